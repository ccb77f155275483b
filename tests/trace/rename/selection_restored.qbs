# The selection saved at the start is given back: its last item selected
# first, the others added from the end towards the start.
null Arm_L_A
null Arm_L_B
null Arm_L_C
null Other
select Arm_L_B Arm_L_A Arm_L_C
activate QB:NameReplace
ok
print selection
