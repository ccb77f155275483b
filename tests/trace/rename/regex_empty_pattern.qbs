# Regular Expression with an empty pattern: the empty match at the start puts
# the replacement in front of the name.
null Arm
select Arm
activate QB:NameReplace
set 7 4
set 13 ""
set 14 P_
ok
print scene
