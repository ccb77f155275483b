# Prefix L_ on a selected light named Key, with lights included.
light Key
select Key
activate QB:NameReplace
# CHECK-NEXT: panel open "QB:NameReplace(1.00) " flags=3
# Mode popup (7): Prefix; prefix field (10); Light box (6).
set 7 1
set 9 L_
set 6 1
ok
# CHECK-NEXT: cmd ok SelectItem 0x20000000
# CHECK-NEXT: cmd ok Rename L_Key
# CHECK-NEXT: cmd ok StatusMsg {1.00}QB:NameReplace: Renaming...
# CHECK-NEXT: cmd ok StatusMsg QB:NameReplace: Done(1).
# CHECK-NEXT: cmd ok SelectItem 0x20000000
# CHECK-NEXT: panel close "QB:NameReplace(1.00) "
# CHECK-NEXT: panel destroy "QB:NameReplace(1.00) "
# CHECK-NEXT: result 0
print scene
# CHECK-NEXT: scene items=1 parent-in-place=off
# CHECK-NEXT: 0x20000000 light "L_Key" parent=none visible=1 active children=none
print selection
# CHECK-NEXT: selection 0x20000000
