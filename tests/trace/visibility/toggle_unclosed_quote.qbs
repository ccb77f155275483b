# An opening quote without its closing one drops every word, so the command
# acts on the selection (Pivot) and not on the named items.
null "Left Arm"
light Light
null Pivot
select Pivot
activate QB:ToggleVisible Light "Left Arm
print scene
