# Scope "Select Item" with nothing selected: no progress line, Done(0), and no
# selection command.
null Arm_L_Up
light Key
activate QB:NameReplace
ok
print selection
print scene
