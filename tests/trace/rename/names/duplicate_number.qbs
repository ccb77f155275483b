# Names of the form "Name (2)" are renamed from their base name; a name with a
# blank before the number is used whole.
null "Arm_L_Up (2)"
null "Left Arm_L_ (3)"
null "Leg_L_ (x)"
select "Arm_L_Up (2)" "Left Arm_L_ (3)" "Leg_L_ (x)"
activate QB:NameReplace
# CHECK-NEXT: panel open "QB:NameReplace(1.00) " flags=3
ok
# CHECK-NEXT: cmd ok SelectItem 0x10000000
# CHECK-NEXT: cmd ok Rename Arm_R_Up
# CHECK-NEXT: cmd ok StatusMsg {0.00}QB:NameReplace: Renaming...
# CHECK-NEXT: cmd ok SelectItem 0x10000001
# CHECK-NEXT: cmd ok Rename Left Arm_R_ (3)
# CHECK-NEXT: cmd ok StatusMsg {0.50}QB:NameReplace: Renaming...
# CHECK-NEXT: cmd ok SelectItem 0x10000002
# CHECK-NEXT: cmd ok Rename Leg_R_ (x)
# CHECK-NEXT: cmd ok StatusMsg {1.00}QB:NameReplace: Renaming...
# CHECK-NEXT: cmd ok StatusMsg QB:NameReplace: Done(3).
# CHECK-NEXT: cmd ok SelectItem 0x10000002
# CHECK-NEXT: cmd ok AddToSelection 0x10000001
# CHECK-NEXT: cmd ok AddToSelection 0x10000000
# CHECK-NEXT: panel close "QB:NameReplace(1.00) "
# CHECK-NEXT: panel destroy "QB:NameReplace(1.00) "
# CHECK-NEXT: result 0
print scene
# CHECK-NEXT: scene items=3 parent-in-place=off
# CHECK-NEXT: 0x10000000 null "Arm_R_Up" parent=none display=6 active file="" layer=0 children=none
# CHECK-NEXT: 0x10000001 null "Left Arm_R_ (3)" parent=none display=6 active file="" layer=0 children=none
# CHECK-NEXT: 0x10000002 null "Leg_R_ (x)" parent=none display=6 active file="" layer=0 children=none
