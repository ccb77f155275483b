# A mesh shown as shaded solid is hidden, then shown again: it comes back as
# a bounding box (display code 1), not as it was.
mesh Box display=5
select Box
activate QB:ToggleVisible
# CHECK-NEXT: cmd ok SelectItem 0x10000000
# CHECK-NEXT: cmd ok ItemVisibility 0
# CHECK-NEXT: cmd ok SelectItem 0x10000000
# CHECK-NEXT: cmd ok ItemActive
# CHECK-NEXT: cmd ok SelectItem 0x10000000
# CHECK-NEXT: result 0
print scene
# CHECK-NEXT: scene items=1 parent-in-place=off
# CHECK-NEXT: 0x10000000 mesh "Box" parent=none display=0 inactive file="Objects/Box.lwo" layer=1 children=none
activate QB:ToggleVisible
# CHECK-NEXT: cmd ok SelectItem 0x10000000
# CHECK-NEXT: cmd ok ItemVisibility 1
# CHECK-NEXT: cmd ok SelectItem 0x10000000
# CHECK-NEXT: cmd ok ItemActive
# CHECK-NEXT: cmd ok SelectItem 0x10000000
# CHECK-NEXT: result 0
print scene
# CHECK-NEXT: scene items=1 parent-in-place=off
# CHECK-NEXT: 0x10000000 mesh "Box" parent=none display=1 active file="Objects/Box.lwo" layer=1 children=none
