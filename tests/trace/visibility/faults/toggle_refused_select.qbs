# The host refuses to select Ball.  Ball is left alone, and Box, which was
# selected just before, receives no change meant for Ball.
mesh Box
mesh Ball
select Box Ball
refuse "SelectItem 0x10000001"
activate QB:ToggleVisible
# CHECK-NEXT: cmd ok SelectItem 0x10000000
# CHECK-NEXT: cmd ok ItemVisibility 0
# CHECK-NEXT: cmd ok SelectItem 0x10000000
# CHECK-NEXT: cmd ok ItemActive
# CHECK-NEXT: cmd failed SelectItem 0x10000001
# CHECK-NEXT: cmd failed SelectItem 0x10000001
# CHECK-NEXT: cmd failed SelectItem 0x10000001
# CHECK-NEXT: cmd ok AddToSelection 0x10000000
# CHECK-NEXT: result 0
print scene
# CHECK-NEXT: scene items=2 parent-in-place=off
# CHECK-NEXT: 0x10000000 mesh "Box" parent=none display=0 inactive file="Objects/Box.lwo" layer=1 children=none
# CHECK-NEXT: 0x10000001 mesh "Ball" parent=none display=6 active file="Objects/Ball.lwo" layer=1 children=none
