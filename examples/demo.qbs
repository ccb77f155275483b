# QB Layout Kit demo: a headless batch run of the kit on the bundled robot rig
# (Scenes/robot_rig.lws, a LightWave scene written on Windows: CRLF line
# endings, object paths with backslashes relative to the content folder).
#
# The rig's right arm was copied from the left one and still carries the
# left-hand names.  The run selects that branch, renames _L_ to _R_ in it,
# hides the IK targets, swaps the robot's body for its armored version, and
# saves the result as a new scene that differs from the original only in the
# statements of what changed.
load Scenes/robot_rig.lws
echo -- the rig as loaded
print scene

echo -- QB:SelectBranch: the right shoulder with everything below it
activate QB:SelectBranch Shoulder_R
print selection

echo -- QB:NameReplace on the selection, with the panel's initial texts _L_ and _R_
activate QB:NameReplace
ok

echo -- QB:ItemVisible: hide the IK targets and leave them active
# Target: the selection; only the Null row takes part, display "Hidden",
# active state "As is"; then Run and Close.
select Arm_L_Target Arm_R_Target
activate QB:ItemVisible
set 1 0
set 5 0
set 12 0
set 15 0
press 34
press 33

echo -- QB:ObjectReplacer: the body's layer from the armored robot
select Robot:Body
activate QB:ObjectReplacer
set 3 Objects/Robot_Armored.lwo
press 6
close

echo -- the rig after the run
print scene
save Scenes/robot_rig_fixed.lws

echo -- the saved scene, loaded again
load Scenes/robot_rig_fixed.lws
print scene
