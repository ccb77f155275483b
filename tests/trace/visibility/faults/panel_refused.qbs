# A command the host refuses is reported in the status line and the run goes
# on with the next command and the next item; the selection is still given
# back.
mesh Box
mesh Ball
select Box Ball
refuse ItemVisibility
activate QB:ItemVisible
# CHECK-NEXT: panel open "QB:ItemVisible(1.00) " flags=64
# CHECK-NEXT: result 0
set 1 0
press 34
# CHECK-NEXT: cmd ok SelectItem 0x10000000
# CHECK-NEXT: cmd failed ItemVisibility 0
# CHECK-NEXT: cmd ok StatusMsg *** ERROR: eval( "ItemVisibility 0" ) !(0) ***
# CHECK-NEXT: cmd ok ItemActive
# CHECK-NEXT: cmd ok SelectItem 0x10000001
# CHECK-NEXT: cmd failed ItemVisibility 0
# CHECK-NEXT: cmd ok StatusMsg *** ERROR: eval( "ItemVisibility 0" ) !(0) ***
# CHECK-NEXT: cmd ok ItemActive
# CHECK-NEXT: cmd ok StatusMsg {1.00}Done(2).
# CHECK-NEXT: cmd ok SelectItem 0x10000001
# CHECK-NEXT: cmd ok AddToSelection 0x10000000
print scene
# CHECK-NEXT: scene items=2 parent-in-place=off
# CHECK-NEXT: 0x10000000 mesh "Box" parent=none display=6 inactive file="Objects/Box.lwo" layer=1 children=none
# CHECK-NEXT: 0x10000001 mesh "Ball" parent=none display=6 inactive file="Objects/Ball.lwo" layer=1 children=none
print selection
# CHECK-NEXT: selection 0x10000001 0x10000000
