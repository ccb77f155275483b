# A pattern that is not a valid regular expression stops the run before any
# item is renamed; the selection is still given back.
null Arm_L_A
null Arm_L_B
select Arm_L_A Arm_L_B
activate QB:NameReplace
set 7 4
set 13 _[Ll
ok
print scene
print selection
print status
