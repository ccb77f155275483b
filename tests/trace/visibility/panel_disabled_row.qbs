# The Mesh row switched off: its controls are ghosted and take no action,
# and a run selects the mesh but sends it nothing; the null still changes.
mesh Box
null Pivot
select Box Pivot
activate QB:ItemVisible
set 1 0
set 5 0
print panel
press 8
press 34
print scene
