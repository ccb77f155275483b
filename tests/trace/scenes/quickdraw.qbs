# requires: realdata
# The QuickDraw rig (version 3): ten meshes and nine nulls with blanks in
# their names, parents often declared after their children (the chassis hangs
# from the MASTER handle declared fourteen objects later), a hidden light and
# a camera.  The object files are found through the scene's own paths.
load "../../../../shared/realdata/assimp/test/models-nonbsd/LWS/QuickDraw v.2.2.lws"
print scene
# CHECK-NEXT: scene items=22 parent-in-place=off
# CHECK-NEXT: 0x10000000 mesh "QuickDraw--Chasis" parent=0x1000000e display=5 active file="../../../../shared/realdata/assimp/test/models-nonbsd/LWO/LWO2/LWSReferences/QuickDraw--Chasis.lwo" layer=1 children=0x10000001,0x10000002,0x10000003,0x10000004,0x10000007,0x10000013
# CHECK-NEXT: 0x10000001 mesh "QuickDraw--Wheels-Back" parent=0x10000000 display=5 active file="../../../../shared/realdata/assimp/test/models-nonbsd/LWO/LWO2/LWSReferences/QuickDraw--Wheels-Back.lwo" layer=1 children=none
# CHECK-NEXT: 0x10000002 mesh "QuickDraw--Wheels-Front" parent=0x10000000 display=5 active file="../../../../shared/realdata/assimp/test/models-nonbsd/LWO/LWO2/LWSReferences/QuickDraw--Wheels-Front.lwo" layer=1 children=none
# CHECK-NEXT: 0x10000003 mesh "QuickDraw--CabinPortals" parent=0x10000000 display=5 active file="../../../../shared/realdata/assimp/test/models-nonbsd/LWO/LWO2/LWSReferences/QuickDraw--CabinPortals.lwo" layer=1 children=0x1000000a
# CHECK-NEXT: 0x10000004 mesh "QuickDraw--Arm-Shoulder" parent=0x10000000 display=5 active file="../../../../shared/realdata/assimp/test/models-nonbsd/LWO/LWO2/LWSReferences/QuickDraw--Arm-Shoulder.lwo" layer=1 children=0x10000005
# CHECK-NEXT: 0x10000005 mesh "QuickDraw--Arm-ForeArm" parent=0x10000004 display=5 active file="../../../../shared/realdata/assimp/test/models-nonbsd/LWO/LWO2/LWSReferences/QuickDraw--Arm-ForeArm.lwo" layer=1 children=0x10000006
# CHECK-NEXT: 0x10000006 mesh "QuickDraw--Arm-Tip" parent=0x10000005 display=5 active file="../../../../shared/realdata/assimp/test/models-nonbsd/LWO/LWO2/LWSReferences/QuickDraw--Arm-Tip.lwo" layer=1 children=0x1000000d
# CHECK-NEXT: 0x10000007 mesh "QuickDraw--GP-Pod" parent=0x10000000 display=5 active file="../../../../shared/realdata/assimp/test/models-nonbsd/LWO/LWO2/LWSReferences/QuickDraw--GP-Pod.lwo" layer=1 children=0x10000008,0x10000009
# CHECK-NEXT: 0x10000008 mesh "QuickDraw--GP-Lid" parent=0x10000007 display=5 active file="../../../../shared/realdata/assimp/test/models-nonbsd/LWO/LWO2/LWSReferences/QuickDraw--GP-Lid.lwo" layer=1 children=0x1000000c
# CHECK-NEXT: 0x10000009 mesh "QuickDraw--GP-Gun" parent=0x10000007 display=5 active file="../../../../shared/realdata/assimp/test/models-nonbsd/LWO/LWO2/LWSReferences/QuickDraw--GP-Gun.lwo" layer=1 children=0x1000000b
# CHECK-NEXT: 0x1000000a null "Quick Draw -- magnet -- Portals" parent=0x10000003 display=5 active file="" layer=0 children=none
# CHECK-NEXT: 0x1000000b null "Quick Draw -- magnet -- Pod-Gun" parent=0x10000009 display=5 active file="" layer=0 children=none
# CHECK-NEXT: 0x1000000c null "Quick Draw -- magnet -- Pod Lid" parent=0x10000008 display=5 active file="" layer=0 children=none
# CHECK-NEXT: 0x1000000d null "Quick Draw -- magnet -- Arm" parent=0x10000006 display=5 active file="" layer=0 children=none
# CHECK-NEXT: 0x1000000e null "Quick Draw == HANDLE == MASTER" parent=none display=5 active file="" layer=0 children=0x10000000,0x1000000f,0x10000010,0x10000011,0x10000012
# CHECK-NEXT: 0x1000000f null "Quick Draw == HANDLE == Portals" parent=0x1000000e display=5 active file="" layer=0 children=none
# CHECK-NEXT: 0x10000010 null "Quick Draw == HANDLE == Pod-Gun" parent=0x1000000e display=5 active file="" layer=0 children=none
# CHECK-NEXT: 0x10000011 null "Quick Draw == HANDLE == Pod Lid" parent=0x1000000e display=5 active file="" layer=0 children=none
# CHECK-NEXT: 0x10000012 null "Quick Draw == HANDLE == Arm" parent=0x1000000e display=5 active file="" layer=0 children=none
# CHECK-NEXT: 0x10000013 mesh "QuickDraw--Standin-Driver" parent=0x10000000 display=5 active file="../../../../shared/realdata/assimp/test/models-nonbsd/LWO/LWO2/LWSReferences/QuickDraw--Standin-Driver.lwo" layer=1 children=none
# CHECK-NEXT: 0x20000000 light "Light" parent=none visible=0 active children=none
# CHECK-NEXT: 0x30000000 camera "Camera" parent=none visible=1 active children=none
