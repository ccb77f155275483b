# Regular Expression with the initial texts _[Ll]_ and _R_.
null arm_l_up
null Arm_L_
null Arm
select arm_l_up Arm_L_ Arm
activate QB:NameReplace
# CHECK-NEXT: panel open "QB:NameReplace(1.00) " flags=3
set 7 4
ok
# CHECK-NEXT: cmd ok SelectItem 0x10000000
# CHECK-NEXT: cmd ok Rename arm_R_up
# CHECK-NEXT: cmd ok StatusMsg {0.00}QB:NameReplace: Renaming...
# CHECK-NEXT: cmd ok SelectItem 0x10000001
# CHECK-NEXT: cmd ok Rename Arm_R_
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
# CHECK-NEXT: 0x10000000 null "arm_R_up" parent=none display=6 active file="" layer=0 children=none
# CHECK-NEXT: 0x10000001 null "Arm_R_" parent=none display=6 active file="" layer=0 children=none
# CHECK-NEXT: 0x10000002 null "Arm" parent=none display=6 active file="" layer=0 children=none
