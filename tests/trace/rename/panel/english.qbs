# First activation on an English host: Target "Select Item", Null and Bone
# set, Camera and Light clear, Mode "Replace" with _L_ and _R_ shown and the
# other five fields hidden.  The title ends in one blank.  Cancel runs nothing.
null Arm_L_Up
activate QB:NameReplace
# CHECK: panel open "QB:NameReplace(1.00) " flags=3
print control 1 8 value
# CHECK-NEXT: control 1 value=0 "Select Item"
# CHECK-NEXT: control 8 value=""
cancel
# CHECK-NEXT: panel close "QB:NameReplace(1.00) "
# CHECK-NEXT: panel destroy "QB:NameReplace(1.00) "
# CHECK-NEXT: result 0
print scene
# CHECK-NEXT: scene items=1 parent-in-place=off
# CHECK-NEXT: 0x10000000 null "Arm_L_Up" parent=none display=6 active file="" layer=0 children=none
