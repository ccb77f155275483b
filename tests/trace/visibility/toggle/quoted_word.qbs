# A quoted word keeps its blank: the words are Left Arm and Light.
null "Left Arm"
null Left
null Arm
light Light
activate QB:ToggleVisible "Left Arm" Light
# CHECK-NEXT: cmd ok SelectItem 0x10000000
# CHECK-NEXT: cmd ok ItemVisibility 0
# CHECK-NEXT: cmd ok SelectItem 0x10000000
# CHECK-NEXT: cmd ok ItemActive
# CHECK-NEXT: cmd ok SelectItem 0x20000000
# CHECK-NEXT: cmd ok ItemVisibility 0
# CHECK-NEXT: cmd ok SelectItem 0x20000000
# CHECK-NEXT: cmd ok ItemActive
# CHECK-NEXT: result 0
print scene
# CHECK-NEXT: scene items=4 parent-in-place=off
# CHECK-NEXT: 0x10000000 null "Left Arm" parent=none display=0 inactive file="" layer=0 children=none
# CHECK-NEXT: 0x10000001 null "Left" parent=none display=6 active file="" layer=0 children=none
# CHECK-NEXT: 0x10000002 null "Arm" parent=none display=6 active file="" layer=0 children=none
# CHECK-NEXT: 0x20000000 light "Light" parent=none visible=0 inactive children=none
