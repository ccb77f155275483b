# Refused commands are traced as "cmd failed" and change nothing.
mesh Cube
null Child parent=Cube
null Other
# -- refuse PREFIX refuses the commands that start with it
refuse Select
activate QB:SelectItem Other
# CHECK-NEXT: cmd failed SelectItem 0x10000002
# CHECK-NEXT: result 0
print selection
# CHECK-NEXT: selection
accept Select
activate QB:SelectItem Other
# CHECK-NEXT: cmd ok SelectItem 0x10000002
# CHECK-NEXT: result 0
print selection
# CHECK-NEXT: selection 0x10000002
# -- ParentItem refuses a parent below a selected item
select Cube
activate QB:ItemTools
# CHECK-NEXT: panel open "QB:ItemTools(1.00) " flags=64
# CHECK-NEXT: result 0
set 3 Child
press 6
# CHECK-NEXT: cmd failed ParentItem 0x10000001
# CHECK-NEXT: cmd ok RefreshNow
set 3 Other
press 6
# CHECK-NEXT: cmd ok ParentItem 0x10000002
# CHECK-NEXT: cmd ok RefreshNow
print scene
# CHECK-NEXT: scene items=3 parent-in-place=off
# CHECK-NEXT: 0x10000000 mesh "Cube" parent=0x10000002 display=6 active file="Objects/Cube.lwo" layer=1 children=0x10000001
# CHECK-NEXT: 0x10000001 null "Child" parent=0x10000000 display=6 active file="" layer=0 children=none
# CHECK-NEXT: 0x10000002 null "Other" parent=none display=6 active file="" layer=0 children=0x10000000
close
