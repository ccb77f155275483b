# Change: every target gets the same name (the pre-filled Key); the light
# already named Key gets no command.  Then an empty change text changes nothing.
light Key
light Fill
null Rim
select Key Fill Rim
activate QB:NameReplace
# CHECK-NEXT: panel open "QB:NameReplace(1.00) " flags=3
set 6 1
set 7 0
ok
# CHECK-NEXT: cmd ok StatusMsg {0.00}QB:NameReplace: Renaming...
# CHECK-NEXT: cmd ok SelectItem 0x20000001
# CHECK-NEXT: cmd ok Rename Key
# CHECK-NEXT: cmd ok StatusMsg {0.50}QB:NameReplace: Renaming...
# CHECK-NEXT: cmd ok SelectItem 0x10000000
# CHECK-NEXT: cmd ok Rename Key
# CHECK-NEXT: cmd ok StatusMsg {1.00}QB:NameReplace: Renaming...
# CHECK-NEXT: cmd ok StatusMsg QB:NameReplace: Done(2).
# CHECK-NEXT: cmd ok SelectItem 0x10000000
# CHECK-NEXT: cmd ok AddToSelection 0x20000001
# CHECK-NEXT: cmd ok AddToSelection 0x20000000
# CHECK-NEXT: panel close "QB:NameReplace(1.00) "
# CHECK-NEXT: panel destroy "QB:NameReplace(1.00) "
# CHECK-NEXT: result 0
print scene
# CHECK-NEXT: scene items=3 parent-in-place=off
# CHECK-NEXT: 0x10000000 null "Key" parent=none display=6 active file="" layer=0 children=none
# CHECK-NEXT: 0x20000000 light "Key" parent=none visible=1 active children=none
# CHECK-NEXT: 0x20000001 light "Key" parent=none visible=1 active children=none
activate QB:NameReplace
# CHECK-NEXT: panel open "QB:NameReplace(1.00) " flags=3
set 8 ""
ok
# CHECK-NEXT: cmd ok StatusMsg {0.00}QB:NameReplace: Renaming...
# CHECK-NEXT: cmd ok StatusMsg {0.50}QB:NameReplace: Renaming...
# CHECK-NEXT: cmd ok StatusMsg {1.00}QB:NameReplace: Renaming...
# CHECK-NEXT: cmd ok StatusMsg QB:NameReplace: Done(0).
# CHECK-NEXT: cmd ok SelectItem 0x20000000
# CHECK-NEXT: cmd ok AddToSelection 0x20000001
# CHECK-NEXT: cmd ok AddToSelection 0x10000000
# CHECK-NEXT: panel close "QB:NameReplace(1.00) "
# CHECK-NEXT: panel destroy "QB:NameReplace(1.00) "
# CHECK-NEXT: result 0
print scene
# CHECK-NEXT: scene items=3 parent-in-place=off
# CHECK-NEXT: 0x10000000 null "Key" parent=none display=6 active file="" layer=0 children=none
# CHECK-NEXT: 0x20000000 light "Key" parent=none visible=1 active children=none
# CHECK-NEXT: 0x20000001 light "Key" parent=none visible=1 active children=none
