# "Selection + Children not other": the selected item and its descendants
# are selected in turn but left alone; everything else changes.  The count
# covers every item of the scene.
mesh Body
null Hand parent=Body
null Finger parent=Hand
null Other
light Key
select Body
activate QB:ItemVisible
# CHECK-NEXT: panel open "QB:ItemVisible(1.00) " flags=64
# CHECK-NEXT: result 0
set 1 3
press 34
# CHECK-NEXT: cmd ok SelectItem 0x10000000
# CHECK-NEXT: cmd ok SelectItem 0x10000001
# CHECK-NEXT: cmd ok SelectItem 0x10000002
# CHECK-NEXT: cmd ok SelectItem 0x10000003
# CHECK-NEXT: cmd ok ItemVisibility 0
# CHECK-NEXT: cmd ok SelectItem 0x10000003
# CHECK-NEXT: cmd ok ItemActive
# CHECK-NEXT: cmd ok SelectItem 0x20000000
# CHECK-NEXT: cmd ok StatusMsg {1.00}Done(5).
# CHECK-NEXT: cmd ok SelectItem 0x10000000
print scene
# CHECK-NEXT: scene items=5 parent-in-place=off
# CHECK-NEXT: 0x10000000 mesh "Body" parent=none display=6 active file="Objects/Body.lwo" layer=1 children=0x10000001
# CHECK-NEXT: 0x10000001 null "Hand" parent=0x10000000 display=6 active file="" layer=0 children=0x10000002
# CHECK-NEXT: 0x10000002 null "Finger" parent=0x10000001 display=6 active file="" layer=0 children=none
# CHECK-NEXT: 0x10000003 null "Other" parent=none display=0 inactive file="" layer=0 children=none
# CHECK-NEXT: 0x20000000 light "Key" parent=none visible=1 active children=none
