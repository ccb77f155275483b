# Every SelectItem refused: nothing is renamed, no error line for the targets;
# giving the selection back reports its own refused SelectItem.
null Arm_L_A
null Arm_L_B
select Arm_L_A Arm_L_B
refuse SelectItem
activate QB:NameReplace
ok
print scene
