# The demo's batch run on the bundled example rig (examples/demo.qbs runs the
# same from the examples folder): a version 3 scene with CRLF line endings
# and content-folder paths with backslashes.  The right arm's bones, copied
# from the left arm, get their _R_ names; the IK targets are hidden; the body
# takes the armored robot's layer; the saved scene loads back the same.
load ../../../examples/Scenes/robot_rig.lws
print scene
activate QB:SelectBranch Shoulder_R
activate QB:NameReplace
ok
select Arm_L_Target Arm_R_Target
activate QB:ItemVisible
set 1 0
set 5 0
set 12 0
set 15 0
press 34
press 33
select Robot:Body
activate QB:ObjectReplacer
set 3 ../../../examples/Objects/Robot_Armored.lwo
press 6
close
print scene
save ../../../examples/Scenes/robot_rig_trace.lws
load ../../../examples/Scenes/robot_rig_trace.lws
print scene
