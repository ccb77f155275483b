# QB:SelectBranch: select the items the words name together with everything
# below them in the hierarchy.
load ../Scenes/robot_rig.lws
activate QB:SelectBranch Spine
print selection
