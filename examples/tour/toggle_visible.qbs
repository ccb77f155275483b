# QB:ToggleVisible: flip the items the words name (or, with no words, the
# selected items) between shown and active and hidden and inactive.  The
# first item decides which way.
load ../Scenes/robot_rig.lws
activate QB:ToggleVisible Arm_*_Target
echo -- and back, on the selection
select Arm_L_Target Arm_R_Target
activate QB:ToggleVisible
print selection
