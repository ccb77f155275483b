# First panel, default choices: the selection with its descendants, meshes
# and nulls hidden and switched off.  A mesh with two child nulls: all three
# are hidden; the active ones are switched off (a null after a second
# SelectItem), the inactive one is left as it is; then the mesh is selected
# again.
mesh Body
null Left parent=Body
null Right parent=Body inactive
select Body
activate QB:ItemVisible
print panel
press 34
print selection
print status
print scene
