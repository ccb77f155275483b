# Item tools panel: parenting the selection to the item named in the field,
# in the host's parent-in-place mode or not as the option asks.
light Target
mesh Body
mesh Arm
null Target
null Rig
mesh Hand parent=Rig
activate QB:ItemTools
# CHECK-NEXT: panel open "QB:ItemTools(1.00) " flags=64
# CHECK-NEXT: result 0
# -- the name in other letter case; of two items so named the object comes first
select Arm
set 3 tARGET
press 6
# CHECK-NEXT: cmd ok ParentItem 0x10000002
# CHECK-NEXT: cmd ok RefreshNow
# -- an empty field does nothing
set 3 ""
press 6
# -- a name no item has
set 3 Nobody
press 6
# CHECK-NEXT: cmd ok StatusMsg {1.0} Parent item not found!
# -- the parent among the selection: one status line, no command
select Arm 0x10000002
set 3 target
press 6
# CHECK-NEXT: cmd ok StatusMsg {1.0} Include the parent item in selection!
# -- host mode on, option ticked: one ParentItem
select Body
parent-in-place on
set 5 1
press 6
# CHECK-NEXT: cmd ok ParentItem 0x10000002
# CHECK-NEXT: cmd ok RefreshNow
# -- host mode off, option ticked: the mode is flipped around ParentItem
parent-in-place off
press 6
# CHECK-NEXT: cmd ok ParentInPlace
# CHECK-NEXT: cmd ok ParentItem 0x10000002
# CHECK-NEXT: cmd ok ParentInPlace
# CHECK-NEXT: cmd ok RefreshNow
# -- host mode on, option not ticked
parent-in-place on
set 5 0
press 6
# CHECK-NEXT: cmd ok ParentInPlace
# CHECK-NEXT: cmd ok ParentItem 0x10000002
# CHECK-NEXT: cmd ok ParentInPlace
# CHECK-NEXT: cmd ok RefreshNow
# -- the host refuses: the operation still ends with RefreshNow
parent-in-place off
select Rig
set 3 hand
press 6
# CHECK-NEXT: cmd failed ParentItem 0x10000004
# CHECK-NEXT: cmd ok RefreshNow
print scene
# CHECK-NEXT: scene items=6 parent-in-place=off
# CHECK-NEXT: 0x10000000 mesh "Body" parent=0x10000002 display=6 active file="Objects/Body.lwo" layer=1 children=none
# CHECK-NEXT: 0x10000001 mesh "Arm" parent=0x10000002 display=6 active file="Objects/Arm.lwo" layer=1 children=none
# CHECK-NEXT: 0x10000002 null "Target" parent=none display=6 active file="" layer=0 children=0x10000001,0x10000000
# CHECK-NEXT: 0x10000003 null "Rig" parent=none display=6 active file="" layer=0 children=0x10000004
# CHECK-NEXT: 0x10000004 mesh "Hand" parent=0x10000003 display=6 active file="Objects/Hand.lwo" layer=1 children=none
# CHECK-NEXT: 0x20000000 light "Target" parent=none visible=1 active children=none
