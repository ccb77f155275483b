# Every SelectItem refused: nothing is renamed, no error line for the targets;
# giving the selection back reports its own refused SelectItem.
null Arm_L_A
null Arm_L_B
select Arm_L_A Arm_L_B
refuse SelectItem
activate QB:NameReplace
# CHECK-NEXT: panel open "QB:NameReplace(1.00) " flags=3
ok
# CHECK-NEXT: cmd failed SelectItem 0x10000000
# CHECK-NEXT: cmd ok StatusMsg {0.00}QB:NameReplace: Renaming...
# CHECK-NEXT: cmd failed SelectItem 0x10000001
# CHECK-NEXT: cmd ok StatusMsg {1.00}QB:NameReplace: Renaming...
# CHECK-NEXT: cmd ok StatusMsg QB:NameReplace: Done(0).
# CHECK-NEXT: cmd failed SelectItem 0x10000001
# CHECK-NEXT: cmd ok StatusMsg *** ERROR: eval( "SelectItem 0x10000001" ) !(0) ***
# CHECK-NEXT: cmd ok AddToSelection 0x10000000
# CHECK-NEXT: panel close "QB:NameReplace(1.00) "
# CHECK-NEXT: panel destroy "QB:NameReplace(1.00) "
# CHECK-NEXT: result 0
print scene
# CHECK-NEXT: scene items=2 parent-in-place=off
# CHECK-NEXT: 0x10000000 null "Arm_L_A" parent=none display=6 active file="" layer=0 children=none
# CHECK-NEXT: 0x10000001 null "Arm_L_B" parent=none display=6 active file="" layer=0 children=none
