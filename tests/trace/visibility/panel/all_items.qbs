# Nothing selected and "All Items": every item, bones after their object,
# then lights and cameras, is handled; nothing is given back, so the last
# item handled stays selected.
mesh Body
bone Arm parent=Body
null Pivot
light Key
camera Cam
activate QB:ItemVisible
# CHECK-NEXT: panel open "QB:ItemVisible(1.00) " flags=64
# CHECK-NEXT: result 0
set 1 4
set 20 1
set 21 1
set 25 1
set 27 1
press 34
# CHECK-NEXT: cmd ok SelectItem 0x10000000
# CHECK-NEXT: cmd ok ItemVisibility 0
# CHECK-NEXT: cmd ok ItemActive
# CHECK-NEXT: cmd ok SelectItem 0x40000000
# CHECK-NEXT: cmd ok ItemVisibility 0
# CHECK-NEXT: cmd ok SelectItem 0x10000001
# CHECK-NEXT: cmd ok ItemVisibility 0
# CHECK-NEXT: cmd ok SelectItem 0x10000001
# CHECK-NEXT: cmd ok ItemActive
# CHECK-NEXT: cmd ok SelectItem 0x20000000
# CHECK-NEXT: cmd ok ItemActive
# CHECK-NEXT: cmd ok SelectItem 0x30000000
# CHECK-NEXT: cmd ok ItemVisibility 0
# CHECK-NEXT: cmd ok StatusMsg {1.00}Done(5).
print selection
# CHECK-NEXT: selection 0x30000000
print scene
# CHECK-NEXT: scene items=5 parent-in-place=off
# CHECK-NEXT: 0x10000000 mesh "Body" parent=none display=0 inactive file="Objects/Body.lwo" layer=1 children=0x40000000
# CHECK-NEXT: 0x40000000 bone "Arm" object=0x10000000 parent=0x10000000 visible=0 active children=none
# CHECK-NEXT: 0x10000001 null "Pivot" parent=none display=0 inactive file="" layer=0 children=none
# CHECK-NEXT: 0x20000000 light "Key" parent=none visible=1 inactive children=none
# CHECK-NEXT: 0x30000000 camera "Cam" parent=none visible=0 active children=none
