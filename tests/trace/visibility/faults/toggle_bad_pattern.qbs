# A word that is no valid pattern (an unbalanced brace) ends the command with
# an error in the status line before anything is changed.
mesh Box
select Box
activate QB:ToggleVisible Box a{
# CHECK-NEXT: cmd ok StatusMsg *** ERROR: Invalid range in '{}' in regular expression ***
# CHECK-NEXT: result 2
print status
# CHECK-NEXT: status *** ERROR: Invalid range in '{}' in regular expression ***
print scene
# CHECK-NEXT: scene items=1 parent-in-place=off
# CHECK-NEXT: 0x10000000 mesh "Box" parent=none display=6 active file="Objects/Box.lwo" layer=1 children=none
