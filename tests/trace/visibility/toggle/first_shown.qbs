# The first target is shown, so every target ends hidden and inactive.  Pivot
# is already hidden and inactive and costs no command; the light is already
# inactive and only gets hidden.
mesh Box
null Pivot hidden inactive
light Key inactive
select Box Pivot Key
activate QB:ToggleVisible
# CHECK-NEXT: cmd ok SelectItem 0x10000000
# CHECK-NEXT: cmd ok ItemVisibility 0
# CHECK-NEXT: cmd ok SelectItem 0x10000000
# CHECK-NEXT: cmd ok ItemActive
# CHECK-NEXT: cmd ok SelectItem 0x20000000
# CHECK-NEXT: cmd ok ItemVisibility 0
# CHECK-NEXT: cmd ok SelectItem 0x20000000
# CHECK-NEXT: result 0
print scene
# CHECK-NEXT: scene items=3 parent-in-place=off
# CHECK-NEXT: 0x10000000 mesh "Box" parent=none display=0 inactive file="Objects/Box.lwo" layer=1 children=none
# CHECK-NEXT: 0x10000001 null "Pivot" parent=none display=0 inactive file="" layer=0 children=none
# CHECK-NEXT: 0x20000000 light "Key" parent=none visible=0 inactive children=none
