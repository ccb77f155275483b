# Three selected items, the first hidden: all three end shown and active.
# Only the hidden one gets "ItemVisibility 1"; only the inactive one gets
# "ItemActive"; the selection comes back last item first.
mesh Box hidden
mesh Ball inactive
null Pivot
select Box Ball Pivot
activate QB:ToggleVisible
# CHECK-NEXT: cmd ok SelectItem 0x10000000
# CHECK-NEXT: cmd ok ItemVisibility 1
# CHECK-NEXT: cmd ok SelectItem 0x10000001
# CHECK-NEXT: cmd ok ItemActive
# CHECK-NEXT: cmd ok SelectItem 0x10000002
# CHECK-NEXT: cmd ok AddToSelection 0x10000001
# CHECK-NEXT: cmd ok AddToSelection 0x10000000
# CHECK-NEXT: result 0
print selection
# CHECK-NEXT: selection 0x10000002 0x10000001 0x10000000
print scene
# CHECK-NEXT: scene items=3 parent-in-place=off
# CHECK-NEXT: 0x10000000 mesh "Box" parent=none display=1 active file="Objects/Box.lwo" layer=1 children=none
# CHECK-NEXT: 0x10000001 mesh "Ball" parent=none display=6 active file="Objects/Ball.lwo" layer=1 children=none
# CHECK-NEXT: 0x10000002 null "Pivot" parent=none display=6 active file="" layer=0 children=none
