# Panel calls the module makes are traced; a panel the user closes is not.
mesh Cube
select Cube
activate QB:ItemVisible
echo -- again while open: brought to the front, opened again (no change)
activate QB:ItemVisible
echo -- the user closes it: no trace line
close
activate QB:ItemVisible
echo -- the panel's own Close button: the module closes it
press 33
print panel QB:ItemVisible(1.00)
