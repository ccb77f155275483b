# A pattern that is not a valid regular expression stops the run before any
# item is renamed; the selection is still given back.
null Arm_L_A
null Arm_L_B
select Arm_L_A Arm_L_B
activate QB:NameReplace
# CHECK-NEXT: panel open "QB:NameReplace(1.00) " flags=3
set 7 4
set 13 _[Ll
ok
# CHECK-NEXT: cmd ok StatusMsg *** ERROR: QB:NameReplace: Invalid regular expression: _[Ll ***
# CHECK-NEXT: cmd ok SelectItem 0x10000001
# CHECK-NEXT: cmd ok AddToSelection 0x10000000
# CHECK-NEXT: panel close "QB:NameReplace(1.00) "
# CHECK-NEXT: panel destroy "QB:NameReplace(1.00) "
# CHECK-NEXT: result 0
print scene
# CHECK-NEXT: scene items=2 parent-in-place=off
# CHECK-NEXT: 0x10000000 null "Arm_L_A" parent=none display=6 active file="" layer=0 children=none
# CHECK-NEXT: 0x10000001 null "Arm_L_B" parent=none display=6 active file="" layer=0 children=none
print selection
# CHECK-NEXT: selection 0x10000001 0x10000000
print status
# CHECK-NEXT: status *** ERROR: QB:NameReplace: Invalid regular expression: _[Ll ***
