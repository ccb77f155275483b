# Replace with the initial texts _L_ and _R_: the first occurrence only,
# compared byte for byte (arm_l_up has none and gets no command).  Three
# targets: progress 0.00, 0.50, 1.00 and Done(3).
null Arm_L_Up
null Leg_L_Low_L_
null arm_l_up
select Arm_L_Up Leg_L_Low_L_ arm_l_up
activate QB:NameReplace
# CHECK-NEXT: panel open "QB:NameReplace(1.00) " flags=3
ok
# CHECK-NEXT: cmd ok SelectItem 0x10000000
# CHECK-NEXT: cmd ok Rename Arm_R_Up
# CHECK-NEXT: cmd ok StatusMsg {0.00}QB:NameReplace: Renaming...
# CHECK-NEXT: cmd ok SelectItem 0x10000001
# CHECK-NEXT: cmd ok Rename Leg_R_Low_L_
# CHECK-NEXT: cmd ok StatusMsg {0.50}QB:NameReplace: Renaming...
# CHECK-NEXT: cmd ok StatusMsg {1.00}QB:NameReplace: Renaming...
# CHECK-NEXT: cmd ok StatusMsg QB:NameReplace: Done(2).
# CHECK-NEXT: cmd ok SelectItem 0x10000002
# CHECK-NEXT: cmd ok AddToSelection 0x10000001
# CHECK-NEXT: cmd ok AddToSelection 0x10000000
# CHECK-NEXT: panel close "QB:NameReplace(1.00) "
# CHECK-NEXT: panel destroy "QB:NameReplace(1.00) "
# CHECK-NEXT: result 0
print scene
# CHECK-NEXT: scene items=3 parent-in-place=off
# CHECK-NEXT: 0x10000000 null "Arm_R_Up" parent=none display=6 active file="" layer=0 children=none
# CHECK-NEXT: 0x10000001 null "Leg_R_Low_L_" parent=none display=6 active file="" layer=0 children=none
# CHECK-NEXT: 0x10000002 null "arm_l_up" parent=none display=6 active file="" layer=0 children=none
