# Flags 3 and 1 block: the host reads the next statements until ok, cancel or
# close, and the open call returns 1 for OK, 0 for Cancel.
null A_L_1
null B_L_2
select A_L_1
activate QB:NameReplace
# CHECK-NEXT: panel open "QB:NameReplace(1.00) " flags=3
set 1 2
# -- inside the modal panel
print control 1 value
# CHECK-NEXT: control 1 value=2 "All Item"
ok
# CHECK-NEXT: cmd ok SelectItem 0x10000000
# CHECK-NEXT: cmd ok Rename A_R_1
# CHECK-NEXT: cmd ok StatusMsg {0.00}QB:NameReplace: Renaming...
# CHECK-NEXT: cmd ok SelectItem 0x10000001
# CHECK-NEXT: cmd ok Rename B_R_2
# CHECK-NEXT: cmd ok StatusMsg {1.00}QB:NameReplace: Renaming...
# CHECK-NEXT: cmd ok StatusMsg QB:NameReplace: Done(2).
# CHECK-NEXT: cmd ok SelectItem 0x10000000
# CHECK-NEXT: panel close "QB:NameReplace(1.00) "
# CHECK-NEXT: panel destroy "QB:NameReplace(1.00) "
# CHECK-NEXT: result 0
print scene
# CHECK-NEXT: scene items=2 parent-in-place=off
# CHECK-NEXT: 0x10000000 null "A_R_1" parent=none display=6 active file="" layer=0 children=none
# CHECK-NEXT: 0x10000001 null "B_R_2" parent=none display=6 active file="" layer=0 children=none
# -- cancel runs nothing
activate QB:NameReplace
# CHECK-NEXT: panel open "QB:NameReplace(1.00) " flags=3
set 7 0
set 8 Renamed
cancel
# CHECK-NEXT: panel close "QB:NameReplace(1.00) "
# CHECK-NEXT: panel destroy "QB:NameReplace(1.00) "
# CHECK-NEXT: result 0
print scene
# CHECK-NEXT: scene items=2 parent-in-place=off
# CHECK-NEXT: 0x10000000 null "A_R_1" parent=none display=6 active file="" layer=0 children=none
# CHECK-NEXT: 0x10000001 null "B_R_2" parent=none display=6 active file="" layer=0 children=none
# -- the next activation shows the settings kept from before the cancel
activate QB:NameReplace
# CHECK-NEXT: panel open "QB:NameReplace(1.00) " flags=3
print control 7 value
print control 8 value state
print control 11 12 state
# CHECK-NEXT: control 7 value=0 "Change"
# CHECK-NEXT: control 8 value="A_R_1" state=normal
# CHECK-NEXT: control 11 state=erased
# CHECK-NEXT: control 12 state=erased
close
# CHECK-NEXT: panel close "QB:NameReplace(1.00) "
# CHECK-NEXT: panel destroy "QB:NameReplace(1.00) "
# CHECK-NEXT: result 0
print scene
# CHECK-NEXT: scene items=2 parent-in-place=off
# CHECK-NEXT: 0x10000000 null "A_R_1" parent=none display=6 active file="" layer=0 children=none
# CHECK-NEXT: 0x10000001 null "B_R_2" parent=none display=6 active file="" layer=0 children=none
