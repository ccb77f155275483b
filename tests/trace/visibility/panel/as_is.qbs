# "As is" sends nothing, and "On" leaves an item that is already active
# alone: only the inactive null is switched on.
mesh Box
null On
null Off inactive
select Box On Off
activate QB:ItemVisible
# CHECK-NEXT: panel open "QB:ItemVisible(1.00) " flags=64
# CHECK-NEXT: result 0
set 1 0
set 6 0
set 7 0
set 11 0
set 12 2
press 34
# CHECK-NEXT: cmd ok SelectItem 0x10000000
# CHECK-NEXT: cmd ok SelectItem 0x10000001
# CHECK-NEXT: cmd ok SelectItem 0x10000002
# CHECK-NEXT: cmd ok SelectItem 0x10000002
# CHECK-NEXT: cmd ok ItemActive
# CHECK-NEXT: cmd ok StatusMsg {1.00}Done(3).
# CHECK-NEXT: cmd ok SelectItem 0x10000002
# CHECK-NEXT: cmd ok AddToSelection 0x10000001
# CHECK-NEXT: cmd ok AddToSelection 0x10000000
print scene
# CHECK-NEXT: scene items=3 parent-in-place=off
# CHECK-NEXT: 0x10000000 mesh "Box" parent=none display=6 active file="Objects/Box.lwo" layer=1 children=none
# CHECK-NEXT: 0x10000001 null "On" parent=none display=6 active file="" layer=0 children=none
# CHECK-NEXT: 0x10000002 null "Off" parent=none display=6 active file="" layer=0 children=none
