# First activation on an English host: Target "Select Item", Null and Bone
# set, Camera and Light clear, Mode "Replace" with _L_ and _R_ shown and the
# other five fields hidden.  The title ends in one blank.  Cancel runs nothing.
null Arm_L_Up
activate QB:NameReplace
print panel
cancel
print scene
