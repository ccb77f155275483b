# Item tools panel: built at the first activation, opened without blocking,
# kept with its texts and option when closed.
activate QB:ItemTools
print panel
echo -- a second activation while open changes nothing
activate QB:ItemTools
set 3 Keep
set 12 Cube*
set 5 1
echo -- Close
press 20
echo -- reopened as it was left
activate QB:ItemTools
print panel
echo -- closed by the host: the next activation opens it again
close
activate QB:ItemTools
