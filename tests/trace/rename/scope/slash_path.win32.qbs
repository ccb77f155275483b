# Windows only: the backslash alone separates path components there, so an
# object whose file is Objects/Posix.lwo has no file path and counts as a null,
# while Objects\Box.lwo is a mesh and is never renamed.  On POSIX systems both
# separators count (rename/scope/mesh_never_renamed.qbs).
mesh Box Objects\Box.lwo
mesh Posix Objects/Posix.lwo
select Box Posix
activate QB:NameReplace
# CHECK-NEXT: panel open "QB:NameReplace(1.00) " flags=3
set 7 1
set 9 P_
set 3 1
ok
# CHECK-NEXT: cmd ok StatusMsg {0.00}QB:NameReplace: Renaming...
# CHECK-NEXT: cmd ok SelectItem 0x10000001
# CHECK-NEXT: cmd ok Rename P_Posix
# CHECK-NEXT: cmd ok StatusMsg {1.00}QB:NameReplace: Renaming...
# CHECK-NEXT: cmd ok StatusMsg QB:NameReplace: Done(2).
# CHECK-NEXT: cmd ok SelectItem 0x10000001
# CHECK-NEXT: cmd ok AddToSelection 0x10000000
# CHECK-NEXT: panel close "QB:NameReplace(1.00) "
# CHECK-NEXT: panel destroy "QB:NameReplace(1.00) "
# CHECK-NEXT: result 0
print scene
# CHECK-NEXT: scene items=2 parent-in-place=off
# CHECK-NEXT: 0x10000000 mesh "Box" parent=none display=6 active file="Objects\\Box.lwo" layer=1 children=none
# CHECK-NEXT: 0x10000001 mesh "P_Posix" parent=none display=6 active file="Objects/Posix.lwo" layer=1 children=none
