# Version 4: the item numbers written on the declaration lines are what
# ParentItem names, not the order of declaration (the arm, 10000007, hangs
# from the null 1000000a declared after it; the camera from light 20000003).
# Layer 2 of a two-layer object is named "Arm:Lower".
load v4/rig_v4.lws
print scene
# The bones' _L_ becomes _R_, and the upper arm bone is hidden; the saved
# scene writes the new names and visibility into BoneName and ShowBone.
activate QB:NameReplace
set 1 2
ok
activate QB:ToggleVisible Arm_R_Up
save v4/Saved/rig_v4.lws
load v4/Saved/rig_v4.lws
print scene
