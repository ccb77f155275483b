# Version 4: the item numbers written on the declaration lines are what
# ParentItem names, not the order of declaration (the arm, 10000007, hangs
# from the null 1000000a declared after it; the camera from light 20000003).
# Layer 2 of a two-layer object is named "Arm:Lower".
load v4/rig_v4.lws
print scene
# CHECK-NEXT: scene items=6 parent-in-place=off
# CHECK-NEXT: 0x10000000 mesh "Arm:Lower" parent=0x10000001 display=6 active file="v4/Objects/Arm.lwo" layer=2 children=0x40000000
# CHECK-NEXT: 0x40000000 bone "Arm_L_Up" object=0x10000000 parent=0x10000000 visible=1 active children=0x40010000
# CHECK-NEXT: 0x40010000 bone "Arm_L_Low" object=0x10000000 parent=0x40000000 visible=1 inactive children=none
# CHECK-NEXT: 0x10000001 null "Rig Root" parent=none display=1 active file="" layer=0 children=0x10000000,0x20000000
# CHECK-NEXT: 0x20000000 light "Sun" parent=0x10000001 visible=1 active children=0x30000000
# CHECK-NEXT: 0x30000000 camera "Shot" parent=0x20000000 visible=1 active children=none
# The bones' _L_ becomes _R_, and the upper arm bone is hidden; the saved
# scene writes the new names and visibility into BoneName and ShowBone.
activate QB:NameReplace
# CHECK-NEXT: panel open "QB:NameReplace(1.00) " flags=3
set 1 2
ok
# CHECK-NEXT: cmd ok StatusMsg {0.00}QB:NameReplace: Renaming...
# CHECK-NEXT: cmd ok SelectItem 0x40000000
# CHECK-NEXT: cmd ok Rename Arm_R_Up
# CHECK-NEXT: cmd ok StatusMsg {0.20}QB:NameReplace: Renaming...
# CHECK-NEXT: cmd ok SelectItem 0x40010000
# CHECK-NEXT: cmd ok Rename Arm_R_Low
# CHECK-NEXT: cmd ok StatusMsg {0.40}QB:NameReplace: Renaming...
# CHECK-NEXT: cmd ok StatusMsg {0.60}QB:NameReplace: Renaming...
# CHECK-NEXT: cmd ok StatusMsg {0.80}QB:NameReplace: Renaming...
# CHECK-NEXT: cmd ok StatusMsg {1.00}QB:NameReplace: Renaming...
# CHECK-NEXT: cmd ok StatusMsg QB:NameReplace: Done(2).
# CHECK-NEXT: panel close "QB:NameReplace(1.00) "
# CHECK-NEXT: panel destroy "QB:NameReplace(1.00) "
# CHECK-NEXT: result 0
activate QB:ToggleVisible Arm_R_Up
# CHECK-NEXT: cmd ok SelectItem 0x40000000
# CHECK-NEXT: cmd ok ItemVisibility 0
# CHECK-NEXT: cmd ok SelectItem 0x40010000
# CHECK-NEXT: result 0
save v4/Saved/rig_v4.lws
load v4/Saved/rig_v4.lws
print scene
# CHECK-NEXT: scene items=6 parent-in-place=off
# CHECK-NEXT: 0x10000000 mesh "Arm:Lower" parent=0x10000001 display=6 active file="v4/Objects/Arm.lwo" layer=2 children=0x40000000
# CHECK-NEXT: 0x40000000 bone "Arm_R_Up" object=0x10000000 parent=0x10000000 visible=0 active children=0x40010000
# CHECK-NEXT: 0x40010000 bone "Arm_R_Low" object=0x10000000 parent=0x40000000 visible=1 inactive children=none
# CHECK-NEXT: 0x10000001 null "Rig Root" parent=none display=1 active file="" layer=0 children=0x10000000,0x20000000
# CHECK-NEXT: 0x20000000 light "Sun" parent=0x10000001 visible=1 active children=0x30000000
# CHECK-NEXT: 0x30000000 camera "Shot" parent=0x20000000 visible=1 active children=none
