# Item tools panel: parenting the selection to the item named in the field,
# in the host's parent-in-place mode or not as the option asks.
light Target
mesh Body
mesh Arm
null Target
null Rig
mesh Hand parent=Rig
activate QB:ItemTools
echo -- the name in other letter case; of two items so named the object comes first
select Arm
set 3 tARGET
press 6
echo -- an empty field does nothing
set 3 ""
press 6
echo -- a name no item has
set 3 Nobody
press 6
echo -- the parent among the selection: one status line, no command
select Arm 0x10000002
set 3 target
press 6
echo -- host mode on, option ticked: one ParentItem
select Body
parent-in-place on
set 5 1
press 6
echo -- host mode off, option ticked: the mode is flipped around ParentItem
parent-in-place off
press 6
echo -- host mode on, option not ticked
parent-in-place on
set 5 0
press 6
echo -- the host refuses: the operation still ends with RefreshNow
parent-in-place off
select Rig
set 3 hand
press 6
print scene
