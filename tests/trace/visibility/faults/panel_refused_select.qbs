# The host refuses to select Ball: the refusal is reported, and Ball's changes
# are not sent, since they would land on Box, selected just before.
mesh Box
mesh Ball
select Box Ball
refuse "SelectItem 0x10000001"
activate QB:ItemVisible
# CHECK-NEXT: panel open "QB:ItemVisible(1.00) " flags=64
# CHECK-NEXT: result 0
set 1 0
press 34
# CHECK-NEXT: cmd ok SelectItem 0x10000000
# CHECK-NEXT: cmd ok ItemVisibility 0
# CHECK-NEXT: cmd ok ItemActive
# CHECK-NEXT: cmd failed SelectItem 0x10000001
# CHECK-NEXT: cmd ok StatusMsg *** ERROR: eval( "SelectItem 0x10000001" ) !(0) ***
# CHECK-NEXT: cmd ok StatusMsg {1.00}Done(2).
# CHECK-NEXT: cmd failed SelectItem 0x10000001
# CHECK-NEXT: cmd ok StatusMsg *** ERROR: eval( "SelectItem 0x10000001" ) !(0) ***
# CHECK-NEXT: cmd ok AddToSelection 0x10000000
print scene
# CHECK-NEXT: scene items=2 parent-in-place=off
# CHECK-NEXT: 0x10000000 mesh "Box" parent=none display=0 inactive file="Objects/Box.lwo" layer=1 children=none
# CHECK-NEXT: 0x10000001 mesh "Ball" parent=none display=6 active file="Objects/Ball.lwo" layer=1 children=none
