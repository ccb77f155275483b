# The demo's batch run on the bundled example rig (examples/demo.qbs runs the
# same from the examples folder): a version 3 scene with CRLF line endings
# and content-folder paths with backslashes.  The right arm's bones, copied
# from the left arm, get their _R_ names; the IK targets are hidden; the body
# takes the armored robot's layer; the saved scene loads back the same.
load ../../../examples/Scenes/robot_rig.lws
print scene
# CHECK-NEXT: scene items=13 parent-in-place=off
# CHECK-NEXT: 0x10000000 null "Rig_Root" parent=none display=6 active file="" layer=0 children=0x10000001,0x10000003,0x10000004
# CHECK-NEXT: 0x10000001 mesh "Robot:Body" parent=0x10000000 display=6 active file="../../../examples/Objects/Robot.lwo" layer=1 children=0x40000001,0x10000002
# CHECK-NEXT: 0x40000001 bone "Spine" object=0x10000001 parent=0x10000001 visible=1 active children=0x40010001,0x40030001
# CHECK-NEXT: 0x40010001 bone "Arm_L_Up" object=0x10000001 parent=0x40000001 visible=1 active children=0x40020001
# CHECK-NEXT: 0x40020001 bone "Arm_L_Low" object=0x10000001 parent=0x40010001 visible=1 active children=none
# CHECK-NEXT: 0x40030001 bone "Shoulder_R" object=0x10000001 parent=0x40000001 visible=1 active children=0x40040001
# CHECK-NEXT: 0x40040001 bone "Arm_L_Up" object=0x10000001 parent=0x40030001 visible=1 active children=0x40050001
# CHECK-NEXT: 0x40050001 bone "Arm_L_Low" object=0x10000001 parent=0x40040001 visible=1 active children=none
# CHECK-NEXT: 0x10000002 mesh "Robot:Head" parent=0x10000001 display=6 active file="../../../examples/Objects/Robot.lwo" layer=2 children=none
# CHECK-NEXT: 0x10000003 null "Arm_L_Target" parent=0x10000000 display=1 active file="" layer=0 children=none
# CHECK-NEXT: 0x10000004 null "Arm_R_Target" parent=0x10000000 display=1 active file="" layer=0 children=none
# CHECK-NEXT: 0x20000000 light "Key_Light" parent=none visible=1 active children=none
# CHECK-NEXT: 0x30000000 camera "Camera" parent=none visible=1 active children=none
activate QB:SelectBranch Shoulder_R
# CHECK-NEXT: cmd ok SelectItem 0x40030001
# CHECK-NEXT: cmd ok AddToSelection 0x40040001
# CHECK-NEXT: cmd ok AddToSelection 0x40050001
# CHECK-NEXT: result 0
activate QB:NameReplace
# CHECK-NEXT: panel open "QB:NameReplace(1.00) " flags=3
ok
# CHECK-NEXT: cmd ok StatusMsg {0.00}QB:NameReplace: Renaming...
# CHECK-NEXT: cmd ok SelectItem 0x40040001
# CHECK-NEXT: cmd ok Rename Arm_R_Up
# CHECK-NEXT: cmd ok StatusMsg {0.50}QB:NameReplace: Renaming...
# CHECK-NEXT: cmd ok SelectItem 0x40050001
# CHECK-NEXT: cmd ok Rename Arm_R_Low
# CHECK-NEXT: cmd ok StatusMsg {1.00}QB:NameReplace: Renaming...
# CHECK-NEXT: cmd ok StatusMsg QB:NameReplace: Done(2).
# CHECK-NEXT: cmd ok SelectItem 0x40050001
# CHECK-NEXT: cmd ok AddToSelection 0x40040001
# CHECK-NEXT: cmd ok AddToSelection 0x40030001
# CHECK-NEXT: panel close "QB:NameReplace(1.00) "
# CHECK-NEXT: panel destroy "QB:NameReplace(1.00) "
# CHECK-NEXT: result 0
select Arm_L_Target Arm_R_Target
activate QB:ItemVisible
# CHECK-NEXT: panel open "QB:ItemVisible(1.00) " flags=64
# CHECK-NEXT: result 0
set 1 0
set 5 0
set 12 0
set 15 0
press 34
# CHECK-NEXT: cmd ok SelectItem 0x10000003
# CHECK-NEXT: cmd ok ItemVisibility 0
# CHECK-NEXT: cmd ok SelectItem 0x10000004
# CHECK-NEXT: cmd ok ItemVisibility 0
# CHECK-NEXT: cmd ok StatusMsg {1.00}Done(2).
# CHECK-NEXT: cmd ok SelectItem 0x10000004
# CHECK-NEXT: cmd ok AddToSelection 0x10000003
press 33
# CHECK-NEXT: panel close "QB:ItemVisible(1.00) "
select Robot:Body
activate QB:ObjectReplacer
# CHECK-NEXT: panel open "QB:ObjectReplacer(1.00) " flags=64
# CHECK-NEXT: result 0
set 3 ../../../examples/Objects/Robot_Armored.lwo
press 6
# CHECK-NEXT: cmd ok SelectItem 0x10000001
# CHECK-NEXT: cmd ok ReplaceObjectLayer 1 ../../../examples/Objects/Robot_Armored.lwo
# CHECK-NEXT: cmd ok StatusMsg {1.00}ReplaceObjectLayer...
# CHECK-NEXT: cmd ok StatusMsg {1.00}ReplaceObjectLayer...Done
# CHECK-NEXT: panel open "Result" flags=1
close
# CHECK-NEXT: panel destroy "Result"
# CHECK-NEXT: cmd ok SelectItem 0x10000001
# CHECK-NEXT: panel close "QB:ObjectReplacer(1.00) "
print scene
# CHECK-NEXT: scene items=13 parent-in-place=off
# CHECK-NEXT: 0x10000000 null "Rig_Root" parent=none display=6 active file="" layer=0 children=0x10000001,0x10000003,0x10000004
# CHECK-NEXT: 0x10000001 mesh "Robot_Armored:Body" parent=0x10000000 display=6 active file="../../../examples/Objects/Robot_Armored.lwo" layer=1 children=0x40000001,0x10000002
# CHECK-NEXT: 0x40000001 bone "Spine" object=0x10000001 parent=0x10000001 visible=1 active children=0x40010001,0x40030001
# CHECK-NEXT: 0x40010001 bone "Arm_L_Up" object=0x10000001 parent=0x40000001 visible=1 active children=0x40020001
# CHECK-NEXT: 0x40020001 bone "Arm_L_Low" object=0x10000001 parent=0x40010001 visible=1 active children=none
# CHECK-NEXT: 0x40030001 bone "Shoulder_R" object=0x10000001 parent=0x40000001 visible=1 active children=0x40040001
# CHECK-NEXT: 0x40040001 bone "Arm_R_Up" object=0x10000001 parent=0x40030001 visible=1 active children=0x40050001
# CHECK-NEXT: 0x40050001 bone "Arm_R_Low" object=0x10000001 parent=0x40040001 visible=1 active children=none
# CHECK-NEXT: 0x10000002 mesh "Robot:Head" parent=0x10000001 display=6 active file="../../../examples/Objects/Robot.lwo" layer=2 children=none
# CHECK-NEXT: 0x10000003 null "Arm_L_Target" parent=0x10000000 display=0 active file="" layer=0 children=none
# CHECK-NEXT: 0x10000004 null "Arm_R_Target" parent=0x10000000 display=0 active file="" layer=0 children=none
# CHECK-NEXT: 0x20000000 light "Key_Light" parent=none visible=1 active children=none
# CHECK-NEXT: 0x30000000 camera "Camera" parent=none visible=1 active children=none
save ../../../examples/Scenes/robot_rig_trace.lws
load ../../../examples/Scenes/robot_rig_trace.lws
print scene
# CHECK-NEXT: scene items=13 parent-in-place=off
# CHECK-NEXT: 0x10000000 null "Rig_Root" parent=none display=6 active file="" layer=0 children=0x10000001,0x10000003,0x10000004
# CHECK-NEXT: 0x10000001 mesh "Robot_Armored:Body" parent=0x10000000 display=6 active file="../../../examples/Objects/Robot_Armored.lwo" layer=1 children=0x40000001,0x10000002
# CHECK-NEXT: 0x40000001 bone "Spine" object=0x10000001 parent=0x10000001 visible=1 active children=0x40010001,0x40030001
# CHECK-NEXT: 0x40010001 bone "Arm_L_Up" object=0x10000001 parent=0x40000001 visible=1 active children=0x40020001
# CHECK-NEXT: 0x40020001 bone "Arm_L_Low" object=0x10000001 parent=0x40010001 visible=1 active children=none
# CHECK-NEXT: 0x40030001 bone "Shoulder_R" object=0x10000001 parent=0x40000001 visible=1 active children=0x40040001
# CHECK-NEXT: 0x40040001 bone "Arm_R_Up" object=0x10000001 parent=0x40030001 visible=1 active children=0x40050001
# CHECK-NEXT: 0x40050001 bone "Arm_R_Low" object=0x10000001 parent=0x40040001 visible=1 active children=none
# CHECK-NEXT: 0x10000002 mesh "Robot:Head" parent=0x10000001 display=6 active file="../../../examples/Objects/Robot.lwo" layer=2 children=none
# CHECK-NEXT: 0x10000003 null "Arm_L_Target" parent=0x10000000 display=0 active file="" layer=0 children=none
# CHECK-NEXT: 0x10000004 null "Arm_R_Target" parent=0x10000000 display=0 active file="" layer=0 children=none
# CHECK-NEXT: 0x20000000 light "Key_Light" parent=none visible=1 active children=none
# CHECK-NEXT: 0x30000000 camera "Camera" parent=none visible=1 active children=none
