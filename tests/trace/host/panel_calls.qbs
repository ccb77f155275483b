# Panel calls the module makes are traced; a panel the user closes is not.
mesh Cube
select Cube
activate QB:ItemVisible
# CHECK-NEXT: panel open "QB:ItemVisible(1.00) " flags=64
# CHECK-NEXT: result 0
# -- again while open: brought to the front, opened again (no change)
activate QB:ItemVisible
# CHECK-NEXT: panel front "QB:ItemVisible(1.00) "
# CHECK-NEXT: panel open "QB:ItemVisible(1.00) " flags=64
# CHECK-NEXT: result 0
# -- the user closes it: no trace line
close
activate QB:ItemVisible
# CHECK-NEXT: panel front "QB:ItemVisible(1.00) "
# CHECK-NEXT: panel open "QB:ItemVisible(1.00) " flags=64
# CHECK-NEXT: result 0
# -- the panel's own Close button: the module closes it
press 33
# CHECK-NEXT: panel close "QB:ItemVisible(1.00) "
print panel QB:ItemVisible(1.00)
# CHECK-NEXT: panel "QB:ItemVisible(1.00) " closed width=408 height=220 controls=34
# (only the head line is checked: the panel is closed, not destroyed)
