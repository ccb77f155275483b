# "Selection not other" in a scene of ten items with two selected: all ten
# are selected in turn, only the eight others are changed, and the count is
# ten.  Camera and Light rows do not take part by default.
mesh M0
mesh M1
mesh M2
mesh M3
null N4
null N5
null N6 inactive
null N7
light L
camera C
select M1 N5
activate QB:ItemVisible
# CHECK-NEXT: panel open "QB:ItemVisible(1.00) " flags=64
# CHECK-NEXT: result 0
set 1 1
press 34
# CHECK-NEXT: cmd ok SelectItem 0x10000000
# CHECK-NEXT: cmd ok ItemVisibility 0
# CHECK-NEXT: cmd ok ItemActive
# CHECK-NEXT: cmd ok SelectItem 0x10000001
# CHECK-NEXT: cmd ok SelectItem 0x10000002
# CHECK-NEXT: cmd ok ItemVisibility 0
# CHECK-NEXT: cmd ok ItemActive
# CHECK-NEXT: cmd ok SelectItem 0x10000003
# CHECK-NEXT: cmd ok ItemVisibility 0
# CHECK-NEXT: cmd ok ItemActive
# CHECK-NEXT: cmd ok SelectItem 0x10000004
# CHECK-NEXT: cmd ok ItemVisibility 0
# CHECK-NEXT: cmd ok SelectItem 0x10000004
# CHECK-NEXT: cmd ok ItemActive
# CHECK-NEXT: cmd ok SelectItem 0x10000005
# CHECK-NEXT: cmd ok SelectItem 0x10000006
# CHECK-NEXT: cmd ok ItemVisibility 0
# CHECK-NEXT: cmd ok SelectItem 0x10000007
# CHECK-NEXT: cmd ok ItemVisibility 0
# CHECK-NEXT: cmd ok SelectItem 0x10000007
# CHECK-NEXT: cmd ok ItemActive
# CHECK-NEXT: cmd ok SelectItem 0x20000000
# CHECK-NEXT: cmd ok SelectItem 0x30000000
# CHECK-NEXT: cmd ok StatusMsg {1.00}Done(10).
# CHECK-NEXT: cmd ok SelectItem 0x10000005
# CHECK-NEXT: cmd ok AddToSelection 0x10000001
print selection
# CHECK-NEXT: selection 0x10000005 0x10000001
print scene
# CHECK-NEXT: scene items=10 parent-in-place=off
# CHECK-NEXT: 0x10000000 mesh "M0" parent=none display=0 inactive file="Objects/M0.lwo" layer=1 children=none
# CHECK-NEXT: 0x10000001 mesh "M1" parent=none display=6 active file="Objects/M1.lwo" layer=1 children=none
# CHECK-NEXT: 0x10000002 mesh "M2" parent=none display=0 inactive file="Objects/M2.lwo" layer=1 children=none
# CHECK-NEXT: 0x10000003 mesh "M3" parent=none display=0 inactive file="Objects/M3.lwo" layer=1 children=none
# CHECK-NEXT: 0x10000004 null "N4" parent=none display=0 inactive file="" layer=0 children=none
# CHECK-NEXT: 0x10000005 null "N5" parent=none display=6 active file="" layer=0 children=none
# CHECK-NEXT: 0x10000006 null "N6" parent=none display=0 inactive file="" layer=0 children=none
# CHECK-NEXT: 0x10000007 null "N7" parent=none display=0 inactive file="" layer=0 children=none
# CHECK-NEXT: 0x20000000 light "L" parent=none visible=1 active children=none
# CHECK-NEXT: 0x30000000 camera "C" parent=none visible=1 active children=none
