# QB:ItemVisible: hide the two IK target nulls and leave them active.  Target
# "Selection Item"; the Mesh and Bone rows off; the Null row "Hidden" and
# "As is"; then Run and Close.
load ../Scenes/robot_rig.lws
select Arm_L_Target Arm_R_Target
activate QB:ItemVisible
set 1 0
set 5 0
set 12 0
set 15 0
snapshot ../../docs/img/item_visible_en.svg
press 34
press 33
echo -- on a Japanese host
unload
locale 1041
activate QB:ItemVisible
set 1 0
set 5 0
set 12 0
set 15 0
snapshot ../../docs/img/item_visible_ja.svg
press 33
