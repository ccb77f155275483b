# QB:ItemTools: parent the camera to the rig's root, in place, from the item
# tools panel; then the same panel on a Japanese host.
load ../Scenes/robot_rig.lws
select Camera
activate QB:ItemTools
set 3 Rig_Root
set 5 1
snapshot ../../docs/img/item_tools_en.svg
press 6
print selection
press 20
echo -- on a Japanese host (the panel is built anew after an unload)
unload
locale 1041
activate QB:ItemTools
set 3 Rig_Root
set 5 1
snapshot ../../docs/img/item_tools_ja.svg
press 20
