# Nothing selected and "All Items": every item, bones after their object,
# then lights and cameras, is handled; nothing is given back, so the last
# item handled stays selected.
mesh Body
bone Arm parent=Body
null Pivot
light Key
camera Cam
activate QB:ItemVisible
set 1 4
set 20 1
set 21 1
set 25 1
set 27 1
press 34
print selection
print scene
