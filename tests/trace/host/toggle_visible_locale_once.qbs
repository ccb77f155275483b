# "QB:ToggleVisible" has no texts: it looks up "Locale Info" once, only for
# the code page of the names its words are matched against.
generation 2018
mesh Cube
null Pivot
trace lookups on
activate QB:ToggleVisible Cube
# CHECK: lookup LWPanelServices 2
# CHECK-NEXT: lookup Locale Info
# CHECK-NOT: lookup Locale Info
# CHECK: cmd ok SelectItem 0x10000000
# CHECK-NEXT: lookup LW Interface Info 7
# CHECK-NEXT: cmd ok ItemVisibility 0
# CHECK-NEXT: cmd ok SelectItem 0x10000000
# CHECK-NEXT: lookup LW Interface Info 7
# CHECK-NEXT: cmd ok ItemActive
# CHECK-NEXT: result 0
trace lookups off
activate QB:ToggleVisible Cube Pivot
# CHECK-NEXT: cmd ok SelectItem 0x10000000
# CHECK-NEXT: cmd ok ItemVisibility 1
# CHECK-NEXT: cmd ok SelectItem 0x10000000
# CHECK-NEXT: cmd ok ItemActive
# CHECK-NEXT: cmd ok SelectItem 0x10000000
# CHECK-NEXT: result 0
print scene
# CHECK-NEXT: scene items=2 parent-in-place=off
# CHECK-NEXT: 0x10000000 mesh "Cube" parent=none display=1 active file="Objects/Cube.lwo" layer=1 children=none
# CHECK-NEXT: 0x10000001 null "Pivot" parent=none display=6 active file="" layer=0 children=none
