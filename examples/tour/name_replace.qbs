# QB:NameReplace: the rig's right arm was copied from the left one; replace
# _L_ by _R_ in the names of its branch (the panel's initial texts).
load ../Scenes/robot_rig.lws
activate QB:SelectBranch Shoulder_R
activate QB:NameReplace
snapshot ../../docs/img/name_replace_en.svg
ok
echo -- on a Japanese host: the same panel, cancelled
unload
locale 1041
activate QB:NameReplace
snapshot ../../docs/img/name_replace_ja.svg
cancel
