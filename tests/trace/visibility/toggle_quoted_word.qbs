# A quoted word keeps its blank: the words are Left Arm and Light.
null "Left Arm"
null Left
null Arm
light Light
activate QB:ToggleVisible "Left Arm" Light
print scene
