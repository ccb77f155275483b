# A version 1 scene written on Windows: CRLF line endings, LoadObject with a
# drive letter and without an extension (both found in the content folder
# above the scene's folder), ParentObject by 1-based object number, and the
# camera that version 1 declares with its ShowCamera line alone.
load v1/Content/Scenes/box_v1.lws
print scene
# CHECK-NEXT: scene items=5 parent-in-place=off
# CHECK-NEXT: 0x10000000 mesh "Box" parent=none display=6 active file="v1/Content/Objects/Box.lwo" layer=1 children=0x10000001
# CHECK-NEXT: 0x10000001 null "Arm_L_Handle" parent=0x10000000 display=3 active file="" layer=0 children=0x10000002,0x20000000
# CHECK-NEXT: 0x10000002 mesh "Box (2)" parent=0x10000001 display=4 active file="v1/Content/Objects/Box.lwo" layer=1 children=none
# CHECK-NEXT: 0x20000000 light "Key_L_Light" parent=0x10000001 visible=1 active children=none
# CHECK-NEXT: 0x30000000 camera "Camera" parent=none visible=1 active children=none
# Rename _L_ to _R_ in every null and light, then move the light under the
# box; saved in the file's own statements (ParentObject, CRLF) and loaded
# again.
activate QB:NameReplace
# CHECK-NEXT: panel open "QB:NameReplace(1.00) " flags=3
set 1 2
set 6 1
ok
# CHECK-NEXT: cmd ok StatusMsg {0.00}QB:NameReplace: Renaming...
# CHECK-NEXT: cmd ok SelectItem 0x10000001
# CHECK-NEXT: cmd ok Rename Arm_R_Handle
# CHECK-NEXT: cmd ok StatusMsg {0.25}QB:NameReplace: Renaming...
# CHECK-NEXT: cmd ok StatusMsg {0.50}QB:NameReplace: Renaming...
# CHECK-NEXT: cmd ok SelectItem 0x20000000
# CHECK-NEXT: cmd ok Rename Key_R_Light
# CHECK-NEXT: cmd ok StatusMsg {0.75}QB:NameReplace: Renaming...
# CHECK-NEXT: cmd ok StatusMsg {1.00}QB:NameReplace: Renaming...
# CHECK-NEXT: cmd ok StatusMsg QB:NameReplace: Done(2).
# CHECK-NEXT: panel close "QB:NameReplace(1.00) "
# CHECK-NEXT: panel destroy "QB:NameReplace(1.00) "
# CHECK-NEXT: result 0
select Key_R_Light
activate QB:ItemTools
# CHECK-NEXT: panel open "QB:ItemTools(1.00) " flags=64
# CHECK-NEXT: result 0
set 3 Box
press 6
# CHECK-NEXT: cmd ok ParentItem 0x10000000
# CHECK-NEXT: cmd ok RefreshNow
save v1/Content/Saved/box_v1.lws
load v1/Content/Saved/box_v1.lws
print scene
# CHECK-NEXT: scene items=5 parent-in-place=off
# CHECK-NEXT: 0x10000000 mesh "Box" parent=none display=6 active file="v1/Content/Objects/Box.lwo" layer=1 children=0x10000001,0x20000000
# CHECK-NEXT: 0x10000001 null "Arm_R_Handle" parent=0x10000000 display=3 active file="" layer=0 children=0x10000002
# CHECK-NEXT: 0x10000002 mesh "Box (2)" parent=0x10000001 display=4 active file="v1/Content/Objects/Box.lwo" layer=1 children=none
# CHECK-NEXT: 0x20000000 light "Key_R_Light" parent=0x10000000 visible=1 active children=none
# CHECK-NEXT: 0x30000000 camera "Camera" parent=none visible=1 active children=none
