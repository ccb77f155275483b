# Every target gets its progress line and counts in Done(n), also when it is
# skipped: an excluded type (camera), an unchanged name, a refused selection.
null Arm_L_Up
null Plain
null Leg_L_
camera Cam_L_
select Arm_L_Up Leg_L_ Cam_L_ Plain
refuse "SelectItem 0x10000002"
activate QB:NameReplace
ok
print scene
