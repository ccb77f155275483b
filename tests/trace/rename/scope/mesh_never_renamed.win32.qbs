# Windows: / separates too, and its file system ignores letter case, so
# Crate (C:\scene\Objects\Crate.LWO) and Posix (Objects/Posix.lwo) are mesh
# objects as much as Box, whichever boxes are set; only the null is renamed.
mesh Box C:\scene\Objects\Box.lwo
mesh Crate C:\scene\Objects\Crate.LWO
mesh Posix
null Empty
select Box Crate Posix Empty
activate QB:NameReplace
# CHECK-NEXT: panel open "QB:NameReplace(1.00) " flags=3
set 7 1
set 9 P_
set 3 1
set 4 1
set 5 1
set 6 1
ok
# CHECK-NEXT: cmd ok StatusMsg {0.00}QB:NameReplace: Renaming...
# CHECK-NEXT: cmd ok StatusMsg {0.33}QB:NameReplace: Renaming...
# CHECK-NEXT: cmd ok StatusMsg {0.67}QB:NameReplace: Renaming...
# CHECK-NEXT: cmd ok SelectItem 0x10000003
# CHECK-NEXT: cmd ok Rename P_Empty
# CHECK-NEXT: cmd ok StatusMsg {1.00}QB:NameReplace: Renaming...
# CHECK-NEXT: cmd ok StatusMsg QB:NameReplace: Done(1).
# CHECK-NEXT: cmd ok SelectItem 0x10000003
# CHECK-NEXT: cmd ok AddToSelection 0x10000002
# CHECK-NEXT: cmd ok AddToSelection 0x10000001
# CHECK-NEXT: cmd ok AddToSelection 0x10000000
# CHECK-NEXT: panel close "QB:NameReplace(1.00) "
# CHECK-NEXT: panel destroy "QB:NameReplace(1.00) "
# CHECK-NEXT: result 0
print scene
# CHECK-NEXT: scene items=4 parent-in-place=off
# CHECK-NEXT: 0x10000000 mesh "Box" parent=none display=6 active file="C:\\scene\\Objects\\Box.lwo" layer=1 children=none
# CHECK-NEXT: 0x10000001 mesh "Crate" parent=none display=6 active file="C:\\scene\\Objects\\Crate.LWO" layer=1 children=none
# CHECK-NEXT: 0x10000002 mesh "Posix" parent=none display=6 active file="Objects/Posix.lwo" layer=1 children=none
# CHECK-NEXT: 0x10000003 null "P_Empty" parent=none display=6 active file="" layer=0 children=none
