# QB:SelectItem: select the items whose names match the argument's wildcard
# words, letter case ignored.
load ../Scenes/robot_rig.lws
activate QB:SelectItem arm_*_target
print selection
# No match: a message in the status line instead.
activate QB:SelectItem Tail*
print status
