# The Mesh row switched off: its controls are ghosted and take no action,
# and a run selects the mesh but sends it nothing; the null still changes.
mesh Box
null Pivot
select Box Pivot
activate QB:ItemVisible
# CHECK-NEXT: panel open "QB:ItemVisible(1.00) " flags=64
# CHECK-NEXT: result 0
set 1 0
set 5 0
print control 1 5 value
print control 6 7 8 9 state
# CHECK-NEXT: control 1 value=0 "Selection Item"
# CHECK-NEXT: control 5 value=0
# CHECK-NEXT: control 6 state=ghosted
# CHECK-NEXT: control 7 state=ghosted
# CHECK-NEXT: control 8 state=ghosted
# CHECK-NEXT: control 9 state=ghosted
press 8
# CHECK-NEXT: no action: control 8 "Show" is ghosted
press 34
# CHECK-NEXT: cmd ok SelectItem 0x10000000
# CHECK-NEXT: cmd ok SelectItem 0x10000001
# CHECK-NEXT: cmd ok ItemVisibility 0
# CHECK-NEXT: cmd ok SelectItem 0x10000001
# CHECK-NEXT: cmd ok ItemActive
# CHECK-NEXT: cmd ok StatusMsg {1.00}Done(2).
# CHECK-NEXT: cmd ok SelectItem 0x10000001
# CHECK-NEXT: cmd ok AddToSelection 0x10000000
print scene
# CHECK-NEXT: scene items=2 parent-in-place=off
# CHECK-NEXT: 0x10000000 mesh "Box" parent=none display=6 active file="Objects/Box.lwo" layer=1 children=none
# CHECK-NEXT: 0x10000001 null "Pivot" parent=none display=0 inactive file="" layer=0 children=none
