# An opening quote without its closing one drops every word, so the command
# acts on the selection (Pivot) and not on the named items.
null "Left Arm"
light Light
null Pivot
select Pivot
activate QB:ToggleVisible Light "Left Arm
# CHECK-NEXT: cmd ok SelectItem 0x10000001
# CHECK-NEXT: cmd ok ItemVisibility 0
# CHECK-NEXT: cmd ok SelectItem 0x10000001
# CHECK-NEXT: cmd ok ItemActive
# CHECK-NEXT: cmd ok SelectItem 0x10000001
# CHECK-NEXT: result 0
print scene
# CHECK-NEXT: scene items=3 parent-in-place=off
# CHECK-NEXT: 0x10000000 null "Left Arm" parent=none display=6 active file="" layer=0 children=none
# CHECK-NEXT: 0x10000001 null "Pivot" parent=none display=0 inactive file="" layer=0 children=none
# CHECK-NEXT: 0x20000000 light "Light" parent=none visible=1 active children=none
