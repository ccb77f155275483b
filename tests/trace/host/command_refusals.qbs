# Refused commands are traced as "cmd failed" and change nothing.
mesh Cube
null Child parent=Cube
null Other
echo -- refuse PREFIX refuses the commands that start with it
refuse Select
activate QB:SelectItem Other
print selection
accept Select
activate QB:SelectItem Other
print selection
echo -- ParentItem refuses a parent below a selected item
select Cube
activate QB:ItemTools
set 3 Child
press 6
set 3 Other
press 6
print scene
close
