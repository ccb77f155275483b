# requires: realdata
# A batch run on the QuickDraw rig: every null's "Quick Draw" becomes "QD"
# (meshes are named by their files and left alone), three handles are
# hidden and switched off (the switch is not kept: scene files have no
# statement for an object's active state, and saving says so), and the
# result is saved and loaded again.  From the saved copy's
# folder the object files cannot be found: each missing file is reported
# once, with the line that first names it, and the rest of the scene loads.
load "../../../../shared/realdata/assimp/test/models-nonbsd/LWS/QuickDraw v.2.2.lws"
activate QB:NameReplace
# CHECK-NEXT: panel open "QB:NameReplace(1.00) " flags=3
set 1 2
set 11 "Quick Draw"
set 12 QD
ok
# CHECK-NEXT: cmd ok StatusMsg {0.00}QB:NameReplace: Renaming...
# CHECK-NEXT: cmd ok StatusMsg {0.05}QB:NameReplace: Renaming...
# CHECK-NEXT: cmd ok StatusMsg {0.10}QB:NameReplace: Renaming...
# CHECK-NEXT: cmd ok StatusMsg {0.14}QB:NameReplace: Renaming...
# CHECK-NEXT: cmd ok StatusMsg {0.19}QB:NameReplace: Renaming...
# CHECK-NEXT: cmd ok StatusMsg {0.24}QB:NameReplace: Renaming...
# CHECK-NEXT: cmd ok StatusMsg {0.29}QB:NameReplace: Renaming...
# CHECK-NEXT: cmd ok StatusMsg {0.33}QB:NameReplace: Renaming...
# CHECK-NEXT: cmd ok StatusMsg {0.38}QB:NameReplace: Renaming...
# CHECK-NEXT: cmd ok StatusMsg {0.43}QB:NameReplace: Renaming...
# CHECK-NEXT: cmd ok SelectItem 0x1000000a
# CHECK-NEXT: cmd ok Rename QD -- magnet -- Portals
# CHECK-NEXT: cmd ok StatusMsg {0.48}QB:NameReplace: Renaming...
# CHECK-NEXT: cmd ok SelectItem 0x1000000b
# CHECK-NEXT: cmd ok Rename QD -- magnet -- Pod-Gun
# CHECK-NEXT: cmd ok StatusMsg {0.52}QB:NameReplace: Renaming...
# CHECK-NEXT: cmd ok SelectItem 0x1000000c
# CHECK-NEXT: cmd ok Rename QD -- magnet -- Pod Lid
# CHECK-NEXT: cmd ok StatusMsg {0.57}QB:NameReplace: Renaming...
# CHECK-NEXT: cmd ok SelectItem 0x1000000d
# CHECK-NEXT: cmd ok Rename QD -- magnet -- Arm
# CHECK-NEXT: cmd ok StatusMsg {0.62}QB:NameReplace: Renaming...
# CHECK-NEXT: cmd ok SelectItem 0x1000000e
# CHECK-NEXT: cmd ok Rename QD == HANDLE == MASTER
# CHECK-NEXT: cmd ok StatusMsg {0.67}QB:NameReplace: Renaming...
# CHECK-NEXT: cmd ok SelectItem 0x1000000f
# CHECK-NEXT: cmd ok Rename QD == HANDLE == Portals
# CHECK-NEXT: cmd ok StatusMsg {0.71}QB:NameReplace: Renaming...
# CHECK-NEXT: cmd ok SelectItem 0x10000010
# CHECK-NEXT: cmd ok Rename QD == HANDLE == Pod-Gun
# CHECK-NEXT: cmd ok StatusMsg {0.76}QB:NameReplace: Renaming...
# CHECK-NEXT: cmd ok SelectItem 0x10000011
# CHECK-NEXT: cmd ok Rename QD == HANDLE == Pod Lid
# CHECK-NEXT: cmd ok StatusMsg {0.81}QB:NameReplace: Renaming...
# CHECK-NEXT: cmd ok SelectItem 0x10000012
# CHECK-NEXT: cmd ok Rename QD == HANDLE == Arm
# CHECK-NEXT: cmd ok StatusMsg {0.86}QB:NameReplace: Renaming...
# CHECK-NEXT: cmd ok StatusMsg {0.90}QB:NameReplace: Renaming...
# CHECK-NEXT: cmd ok StatusMsg {0.95}QB:NameReplace: Renaming...
# CHECK-NEXT: cmd ok StatusMsg {1.00}QB:NameReplace: Renaming...
# CHECK-NEXT: cmd ok StatusMsg QB:NameReplace: Done(9).
# CHECK-NEXT: panel close "QB:NameReplace(1.00) "
# CHECK-NEXT: panel destroy "QB:NameReplace(1.00) "
# CHECK-NEXT: result 0
activate QB:ToggleVisible "QD == HANDLE == P*"
# CHECK-NEXT: cmd ok SelectItem 0x1000000f
# CHECK-NEXT: cmd ok ItemVisibility 0
# CHECK-NEXT: cmd ok SelectItem 0x1000000f
# CHECK-NEXT: cmd ok ItemActive
# CHECK-NEXT: cmd ok SelectItem 0x10000010
# CHECK-NEXT: cmd ok ItemVisibility 0
# CHECK-NEXT: cmd ok SelectItem 0x10000010
# CHECK-NEXT: cmd ok ItemActive
# CHECK-NEXT: cmd ok SelectItem 0x10000011
# CHECK-NEXT: cmd ok ItemVisibility 0
# CHECK-NEXT: cmd ok SelectItem 0x10000011
# CHECK-NEXT: cmd ok ItemActive
# CHECK-NEXT: cmd ok SelectItem 0x10000012
# CHECK-NEXT: result 0
save saved/quickdraw_batch.lws
# CHECK-NEXT: warning saved/quickdraw_batch.lws: item "QD == HANDLE == Portals" (0x1000000f): scene files keep no active state for an object; the change is not saved
# CHECK-NEXT: warning saved/quickdraw_batch.lws: item "QD == HANDLE == Pod-Gun" (0x10000010): scene files keep no active state for an object; the change is not saved
# CHECK-NEXT: warning saved/quickdraw_batch.lws: item "QD == HANDLE == Pod Lid" (0x10000011): scene files keep no active state for an object; the change is not saved
load saved/quickdraw_batch.lws
# CHECK-NEXT: warning saved/quickdraw_batch.lws:13: object file not found: ../LWO/LWO2/LWSReferences/QuickDraw--Chasis.lwo
# CHECK-NEXT: warning saved/quickdraw_batch.lws:88: object file not found: ../LWO/LWO2/LWSReferences/QuickDraw--Wheels-Back.lwo
# CHECK-NEXT: warning saved/quickdraw_batch.lws:163: object file not found: ../LWO/LWO2/LWSReferences/QuickDraw--Wheels-Front.lwo
# CHECK-NEXT: warning saved/quickdraw_batch.lws:238: object file not found: ../LWO/LWO2/LWSReferences/QuickDraw--CabinPortals.lwo
# CHECK-NEXT: warning saved/quickdraw_batch.lws:315: object file not found: ../LWO/LWO2/LWSReferences/QuickDraw--Arm-Shoulder.lwo
# CHECK-NEXT: warning saved/quickdraw_batch.lws:393: object file not found: ../LWO/LWO2/LWSReferences/QuickDraw--Arm-ForeArm.lwo
# CHECK-NEXT: warning saved/quickdraw_batch.lws:470: object file not found: ../LWO/LWO2/LWSReferences/QuickDraw--Arm-Tip.lwo
# CHECK-NEXT: warning saved/quickdraw_batch.lws:547: object file not found: ../LWO/LWO2/LWSReferences/QuickDraw--GP-Pod.lwo
# CHECK-NEXT: warning saved/quickdraw_batch.lws:624: object file not found: ../LWO/LWO2/LWSReferences/QuickDraw--GP-Lid.lwo
# CHECK-NEXT: warning saved/quickdraw_batch.lws:701: object file not found: ../LWO/LWO2/LWSReferences/QuickDraw--GP-Gun.lwo
# CHECK-NEXT: warning saved/quickdraw_batch.lws:1398: object file not found: ../LWO/LWO2/LWSReferences/QuickDraw--Standin-Driver.lwo
print scene
# CHECK-NEXT: scene items=22 parent-in-place=off
# CHECK-NEXT: 0x10000000 mesh "QuickDraw--Chasis" parent=0x1000000e display=5 active file="../LWO/LWO2/LWSReferences/QuickDraw--Chasis.lwo" layer=1 children=0x10000001,0x10000002,0x10000003,0x10000004,0x10000007,0x10000013
# CHECK-NEXT: 0x10000001 mesh "QuickDraw--Wheels-Back" parent=0x10000000 display=5 active file="../LWO/LWO2/LWSReferences/QuickDraw--Wheels-Back.lwo" layer=1 children=none
# CHECK-NEXT: 0x10000002 mesh "QuickDraw--Wheels-Front" parent=0x10000000 display=5 active file="../LWO/LWO2/LWSReferences/QuickDraw--Wheels-Front.lwo" layer=1 children=none
# CHECK-NEXT: 0x10000003 mesh "QuickDraw--CabinPortals" parent=0x10000000 display=5 active file="../LWO/LWO2/LWSReferences/QuickDraw--CabinPortals.lwo" layer=1 children=0x1000000a
# CHECK-NEXT: 0x10000004 mesh "QuickDraw--Arm-Shoulder" parent=0x10000000 display=5 active file="../LWO/LWO2/LWSReferences/QuickDraw--Arm-Shoulder.lwo" layer=1 children=0x10000005
# CHECK-NEXT: 0x10000005 mesh "QuickDraw--Arm-ForeArm" parent=0x10000004 display=5 active file="../LWO/LWO2/LWSReferences/QuickDraw--Arm-ForeArm.lwo" layer=1 children=0x10000006
# CHECK-NEXT: 0x10000006 mesh "QuickDraw--Arm-Tip" parent=0x10000005 display=5 active file="../LWO/LWO2/LWSReferences/QuickDraw--Arm-Tip.lwo" layer=1 children=0x1000000d
# CHECK-NEXT: 0x10000007 mesh "QuickDraw--GP-Pod" parent=0x10000000 display=5 active file="../LWO/LWO2/LWSReferences/QuickDraw--GP-Pod.lwo" layer=1 children=0x10000008,0x10000009
# CHECK-NEXT: 0x10000008 mesh "QuickDraw--GP-Lid" parent=0x10000007 display=5 active file="../LWO/LWO2/LWSReferences/QuickDraw--GP-Lid.lwo" layer=1 children=0x1000000c
# CHECK-NEXT: 0x10000009 mesh "QuickDraw--GP-Gun" parent=0x10000007 display=5 active file="../LWO/LWO2/LWSReferences/QuickDraw--GP-Gun.lwo" layer=1 children=0x1000000b
# CHECK-NEXT: 0x1000000a null "QD -- magnet -- Portals" parent=0x10000003 display=5 active file="" layer=0 children=none
# CHECK-NEXT: 0x1000000b null "QD -- magnet -- Pod-Gun" parent=0x10000009 display=5 active file="" layer=0 children=none
# CHECK-NEXT: 0x1000000c null "QD -- magnet -- Pod Lid" parent=0x10000008 display=5 active file="" layer=0 children=none
# CHECK-NEXT: 0x1000000d null "QD -- magnet -- Arm" parent=0x10000006 display=5 active file="" layer=0 children=none
# CHECK-NEXT: 0x1000000e null "QD == HANDLE == MASTER" parent=none display=5 active file="" layer=0 children=0x10000000,0x1000000f,0x10000010,0x10000011,0x10000012
# CHECK-NEXT: 0x1000000f null "QD == HANDLE == Portals" parent=0x1000000e display=0 active file="" layer=0 children=none
# CHECK-NEXT: 0x10000010 null "QD == HANDLE == Pod-Gun" parent=0x1000000e display=0 active file="" layer=0 children=none
# CHECK-NEXT: 0x10000011 null "QD == HANDLE == Pod Lid" parent=0x1000000e display=0 active file="" layer=0 children=none
# CHECK-NEXT: 0x10000012 null "QD == HANDLE == Arm" parent=0x1000000e display=5 active file="" layer=0 children=none
# CHECK-NEXT: 0x10000013 mesh "QuickDraw--Standin-Driver" parent=0x10000000 display=5 active file="../LWO/LWO2/LWSReferences/QuickDraw--Standin-Driver.lwo" layer=1 children=none
# CHECK-NEXT: 0x20000000 light "Light" parent=none visible=0 active children=none
# CHECK-NEXT: 0x30000000 camera "Camera" parent=none visible=1 active children=none
