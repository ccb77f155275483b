# Replace with the initial texts _L_ and _R_: the first occurrence only,
# compared byte for byte (arm_l_up has none and gets no command).  Three
# targets: progress 0.00, 0.50, 1.00 and Done(3).
null Arm_L_Up
null Leg_L_Low_L_
null arm_l_up
select Arm_L_Up Leg_L_Low_L_ arm_l_up
activate QB:NameReplace
ok
print scene
