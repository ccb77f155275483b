# A refused SelectItem skips that item silently (no error line); the others
# are renamed, and the run ends as usual.
null Arm_L_A
null Arm_L_B
null Arm_L_C
select Arm_L_A Arm_L_B Arm_L_C
refuse "SelectItem 0x10000001"
activate QB:NameReplace
# CHECK-NEXT: panel open "QB:NameReplace(1.00) " flags=3
ok
# CHECK-NEXT: cmd ok SelectItem 0x10000000
# CHECK-NEXT: cmd ok Rename Arm_R_A
# CHECK-NEXT: cmd ok StatusMsg {0.00}QB:NameReplace: Renaming...
# CHECK-NEXT: cmd failed SelectItem 0x10000001
# CHECK-NEXT: cmd ok StatusMsg {0.50}QB:NameReplace: Renaming...
# CHECK-NEXT: cmd ok SelectItem 0x10000002
# CHECK-NEXT: cmd ok Rename Arm_R_C
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
# CHECK-NEXT: 0x10000000 null "Arm_R_A" parent=none display=6 active file="" layer=0 children=none
# CHECK-NEXT: 0x10000001 null "Arm_L_B" parent=none display=6 active file="" layer=0 children=none
# CHECK-NEXT: 0x10000002 null "Arm_R_C" parent=none display=6 active file="" layer=0 children=none
