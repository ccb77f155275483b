# Regular Expression with the initial texts _[Ll]_ and _R_.
null arm_l_up
null Arm_L_
null Arm
select arm_l_up Arm_L_ Arm
activate QB:NameReplace
set 7 4
ok
print scene
