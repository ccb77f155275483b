# A refused SelectItem skips that item silently (no error line); the others
# are renamed, and the run ends as usual.
null Arm_L_A
null Arm_L_B
null Arm_L_C
select Arm_L_A Arm_L_B Arm_L_C
refuse "SelectItem 0x10000001"
activate QB:NameReplace
ok
print scene
