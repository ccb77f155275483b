# Ghosted and erased controls take no action.
mesh Cube
light Key
select Cube
activate QB:ItemVisible
print panel
echo -- the Camera row is off: its controls are ghosted
press 23
set 22 2
echo -- the Bone row's active popup is erased
set 17 1
print panel
close
