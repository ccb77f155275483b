# Every target gets its progress line and counts in Done(n), also when it is
# skipped: an excluded type (camera), an unchanged name, a refused selection.
null Arm_L_Up
null Plain
null Leg_L_
camera Cam_L_
select Arm_L_Up Leg_L_ Cam_L_ Plain
refuse "SelectItem 0x10000002"
activate QB:NameReplace
# CHECK-NEXT: panel open "QB:NameReplace(1.00) " flags=3
ok
# CHECK-NEXT: cmd ok SelectItem 0x10000000
# CHECK-NEXT: cmd ok Rename Arm_R_Up
# CHECK-NEXT: cmd ok StatusMsg {0.00}QB:NameReplace: Renaming...
# CHECK-NEXT: cmd failed SelectItem 0x10000002
# CHECK-NEXT: cmd ok StatusMsg {0.33}QB:NameReplace: Renaming...
# CHECK-NEXT: cmd ok StatusMsg {0.67}QB:NameReplace: Renaming...
# CHECK-NEXT: cmd ok StatusMsg {1.00}QB:NameReplace: Renaming...
# CHECK-NEXT: cmd ok StatusMsg QB:NameReplace: Done(1).
# CHECK-NEXT: cmd ok SelectItem 0x10000001
# CHECK-NEXT: cmd ok AddToSelection 0x30000000
# CHECK-NEXT: cmd ok AddToSelection 0x10000002
# CHECK-NEXT: cmd ok AddToSelection 0x10000000
# CHECK-NEXT: panel close "QB:NameReplace(1.00) "
# CHECK-NEXT: panel destroy "QB:NameReplace(1.00) "
# CHECK-NEXT: result 0
print scene
# CHECK-NEXT: scene items=4 parent-in-place=off
# CHECK-NEXT: 0x10000000 null "Arm_R_Up" parent=none display=6 active file="" layer=0 children=none
# CHECK-NEXT: 0x10000001 null "Plain" parent=none display=6 active file="" layer=0 children=none
# CHECK-NEXT: 0x10000002 null "Leg_L_" parent=none display=6 active file="" layer=0 children=none
# CHECK-NEXT: 0x30000000 camera "Cam_L_" parent=none visible=1 active children=none
