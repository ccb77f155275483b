# An empty prefix or suffix leaves every name as it is: no command but the
# progress lines.
null Arm
null Leg
select Arm Leg
activate QB:NameReplace
set 7 1
ok
activate QB:NameReplace
set 7 2
ok
print scene
