# A mesh object (a file path ending in .lwo) is never renamed, whichever boxes
# are set; a .LWO file does not make a mesh, so that object counts as a null.
# The backslash separates on every system, the slash on POSIX systems only
# (the Windows build runs mesh_never_renamed.win32.qbs instead).
mesh Box C:\scene\Objects\Box.lwo
mesh Crate C:\scene\Objects\Crate.LWO
mesh Native Objects[[SEP]]Native.lwo
null Empty
select Box Crate Native Empty
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
# CHECK-NEXT: cmd ok SelectItem 0x10000001
# CHECK-NEXT: cmd ok Rename P_Crate
# CHECK-NEXT: cmd ok StatusMsg {0.33}QB:NameReplace: Renaming...
# CHECK-NEXT: cmd ok StatusMsg {0.67}QB:NameReplace: Renaming...
# CHECK-NEXT: cmd ok SelectItem 0x10000003
# CHECK-NEXT: cmd ok Rename P_Empty
# CHECK-NEXT: cmd ok StatusMsg {1.00}QB:NameReplace: Renaming...
# CHECK-NEXT: cmd ok StatusMsg QB:NameReplace: Done(2).
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
# CHECK-NEXT: 0x10000001 mesh "P_Crate" parent=none display=6 active file="C:\\scene\\Objects\\Crate.LWO" layer=1 children=none
# CHECK-NEXT: 0x10000002 mesh "Native" parent=none display=6 active file="Objects[[QSEP]]Native.lwo" layer=1 children=none
# CHECK-NEXT: 0x10000003 null "P_Empty" parent=none display=6 active file="" layer=0 children=none
