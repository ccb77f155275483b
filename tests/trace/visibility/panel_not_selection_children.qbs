# "Selection + Children not other": the selected item and its descendants
# are selected in turn but left alone; everything else changes.  The count
# covers every item of the scene.
mesh Body
null Hand parent=Body
null Finger parent=Hand
null Other
light Key
select Body
activate QB:ItemVisible
set 1 3
press 34
print scene
