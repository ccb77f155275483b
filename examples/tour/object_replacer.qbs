# QB:ObjectReplacer: give the robot's body the layer of the same name from
# its armored version; the result list shows what each item received.
load ../Scenes/robot_rig.lws
select Robot:Body
activate QB:ObjectReplacer
set 3 ../Objects/Robot_Armored.lwo
snapshot ../../docs/img/object_replacer_en.svg
press 6
snapshot ../../docs/img/object_replacer_result_en.svg
close
echo -- on a Japanese host, for the body and its head
unload
locale 1041
load ../Scenes/robot_rig.lws
select Robot:Body
activate QB:ObjectReplacer
set 1 1
set 3 ../Objects/Robot_Armored.lwo
snapshot ../../docs/img/object_replacer_ja.svg
press 6
snapshot ../../docs/img/object_replacer_result_ja.svg
close
