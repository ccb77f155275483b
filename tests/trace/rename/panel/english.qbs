# First activation on an English host: Target "Select Item", Null and Bone
# set, Camera and Light clear, Mode "Replace" with _L_ and _R_ shown and the
# other five fields hidden.  The title ends in one blank.  Cancel runs nothing.
null Arm_L_Up
activate QB:NameReplace
# CHECK-NEXT: panel open "QB:NameReplace(1.00) " flags=3
print panel
# CHECK-NEXT: panel "QB:NameReplace(1.00) " open flags=3 width=320 height=170 controls=14
# CHECK-NEXT:   1 PopupControl "Target" x=50 y=0 value=0 "Select Item" normal
# CHECK-NEXT:   2 TextControl "Type" x=45 y=30 value=0 normal
# CHECK-NEXT:   3 BoolButtonControl "Null" x=80 y=30 value=1 normal
# CHECK-NEXT:   4 BoolButtonControl "Bone" x=130 y=30 value=1 normal
# CHECK-NEXT:   5 BoolButtonControl "Camera" x=180 y=30 value=0 normal
# CHECK-NEXT:   6 BoolButtonControl "Light" x=230 y=30 value=0 normal
# CHECK-NEXT:   7 PopupControl "Mode" x=50 y=60 value=3 "Replace" normal
# CHECK-NEXT:   8 EditControl "" x=74 y=80 value="" erased
# CHECK-NEXT:   9 EditControl "" x=74 y=80 value="" erased
# CHECK-NEXT:   10 EditControl "" x=74 y=80 value="" erased
# CHECK-NEXT:   11 EditControl "" x=74 y=80 value="_L_" normal
# CHECK-NEXT:   12 EditControl "" x=74 y=100 value="_R_" normal
# CHECK-NEXT:   13 EditControl "" x=74 y=80 value="_[Ll]_" erased
# CHECK-NEXT:   14 EditControl "" x=74 y=100 value="_R_" erased
cancel
# CHECK-NEXT: panel close "QB:NameReplace(1.00) "
# CHECK-NEXT: panel destroy "QB:NameReplace(1.00) "
# CHECK-NEXT: result 0
print scene
# CHECK-NEXT: scene items=1 parent-in-place=off
# CHECK-NEXT: 0x10000000 null "Arm_L_Up" parent=none display=6 active file="" layer=0 children=none
