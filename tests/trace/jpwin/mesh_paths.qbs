# Which objects are meshes on a Japanese Windows with an English interface:
# a path in a folder named 表 (second byte 0x5C), a path written with /, a
# network path and C:\objs\X.LWO (Windows ignores letter case) are mesh
# objects, never renamed, and take the Mesh row of the visibility panel; the
# bare file name X.LWO is no path to the rename tool, while the visibility
# panel, which asks only for the ending, takes it for a mesh.  A rename of L
# to R leaves the キ of キック_L (0x83 0x4C) alone and sends the new name in
# Shift-JIS, although the locale is English.
locale 1033
mesh L_表 C:\表\a.lwo
mesh L_slash C:/objs/a.lwo
mesh L_server \\server\share\x.lwo
mesh L_bare X.LWO
mesh L_caps C:\objs\X.LWO
null キック_L
select L_表 L_slash L_server L_bare L_caps キック_L
activate QB:NameReplace
# CHECK: panel open "QB:NameReplace(1.00) " flags=3
set 11 L
set 12 R
ok
# CHECK-NEXT: cmd ok StatusMsg {0.00}QB:NameReplace: Renaming...
# CHECK-NEXT: cmd ok StatusMsg {0.20}QB:NameReplace: Renaming...
# CHECK-NEXT: cmd ok StatusMsg {0.40}QB:NameReplace: Renaming...
# CHECK-NEXT: cmd ok SelectItem 0x10000003
# CHECK-NEXT: cmd ok Rename R_bare
# CHECK-NEXT: cmd ok StatusMsg {0.60}QB:NameReplace: Renaming...
# CHECK-NEXT: cmd ok StatusMsg {0.80}QB:NameReplace: Renaming...
# CHECK-NEXT: cmd ok SelectItem 0x10000005
# CHECK-NEXT: cmd ok Rename キック_R
# CHECK-NEXT: cmd ok StatusMsg {1.00}QB:NameReplace: Renaming...
# CHECK-NEXT: cmd ok StatusMsg QB:NameReplace: Done(2).
# CHECK-NEXT: cmd ok SelectItem 0x10000005
# CHECK-NEXT: cmd ok AddToSelection 0x10000004
# CHECK-NEXT: cmd ok AddToSelection 0x10000003
# CHECK-NEXT: cmd ok AddToSelection 0x10000002
# CHECK-NEXT: cmd ok AddToSelection 0x10000001
# CHECK-NEXT: cmd ok AddToSelection 0x10000000
# CHECK-NEXT: panel close "QB:NameReplace(1.00) "
# CHECK-NEXT: panel destroy "QB:NameReplace(1.00) "
# CHECK-NEXT: result 0
# -- the visibility panel: the Mesh row shown and on, the Null row hidden and off
activate QB:ItemVisible
# CHECK-NEXT: panel open "QB:ItemVisible(1.00) " flags=64
# CHECK-NEXT: result 0
set 1 4
press 8
press 34
# CHECK-NEXT: cmd ok SelectItem 0x10000000
# CHECK-NEXT: cmd ok ItemVisibility 7
# CHECK-NEXT: cmd ok SelectItem 0x10000001
# CHECK-NEXT: cmd ok ItemVisibility 7
# CHECK-NEXT: cmd ok SelectItem 0x10000002
# CHECK-NEXT: cmd ok ItemVisibility 7
# CHECK-NEXT: cmd ok SelectItem 0x10000003
# CHECK-NEXT: cmd ok ItemVisibility 7
# CHECK-NEXT: cmd ok SelectItem 0x10000004
# CHECK-NEXT: cmd ok ItemVisibility 7
# CHECK-NEXT: cmd ok SelectItem 0x10000005
# CHECK-NEXT: cmd ok ItemVisibility 0
# CHECK-NEXT: cmd ok SelectItem 0x10000005
# CHECK-NEXT: cmd ok ItemActive
# CHECK-NEXT: cmd ok StatusMsg {1.00}Done(6).
# CHECK-NEXT: cmd ok SelectItem 0x10000000
# CHECK-NEXT: cmd ok AddToSelection 0x10000001
# CHECK-NEXT: cmd ok AddToSelection 0x10000002
# CHECK-NEXT: cmd ok AddToSelection 0x10000003
# CHECK-NEXT: cmd ok AddToSelection 0x10000004
# CHECK-NEXT: cmd ok AddToSelection 0x10000005
print scene
# CHECK-NEXT: scene items=6 parent-in-place=off
# CHECK-NEXT: 0x10000000 mesh "L_表" parent=none display=7 active file="C:\\表\\a.lwo" layer=1 children=none
# CHECK-NEXT: 0x10000001 mesh "L_slash" parent=none display=7 active file="C:/objs/a.lwo" layer=1 children=none
# CHECK-NEXT: 0x10000002 mesh "L_server" parent=none display=7 active file="\\\\server\\share\\x.lwo" layer=1 children=none
# CHECK-NEXT: 0x10000003 mesh "R_bare" parent=none display=7 active file="X.LWO" layer=1 children=none
# CHECK-NEXT: 0x10000004 mesh "L_caps" parent=none display=7 active file="C:\\objs\\X.LWO" layer=1 children=none
# CHECK-NEXT: 0x10000005 null "キック_R" parent=none display=0 inactive file="" layer=0 children=none
