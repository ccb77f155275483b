# Item tools panel: built at the first activation, opened without blocking,
# kept with its texts and option when closed.
activate QB:ItemTools
# CHECK: panel open "QB:ItemTools(1.00) " flags=64
# CHECK-NEXT: result 0
print control 2 5 6 8 9 11 14 15 17 18 20 label
print control 3 12 label x
# CHECK-NEXT: control 2 label="Set selected items to child of input item"
# CHECK-NEXT: control 5 label="Parent in place"
# CHECK-NEXT: control 6 label="Run"
# CHECK-NEXT: control 8 label="Unparent of selected item"
# CHECK-NEXT: control 9 label="Run"
# CHECK-NEXT: control 11 label="Select item in name"
# CHECK-NEXT: control 14 label="(Wildcard can use)"
# CHECK-NEXT: control 15 label="Run"
# CHECK-NEXT: control 17 label="Select selected item and their children"
# CHECK-NEXT: control 18 label="Run"
# CHECK-NEXT: control 20 label="Close"
# CHECK-NEXT: control 3 label="Parent Item" x=-8
# CHECK-NEXT: control 12 label="Item Name" x=8
# -- a second activation while open changes nothing
activate QB:ItemTools
# CHECK-NEXT: result 0
set 3 Keep
set 12 Cube*
set 5 1
# -- Close
press 20
# CHECK-NEXT: panel close "QB:ItemTools(1.00) "
# -- reopened as it was left
activate QB:ItemTools
# CHECK-NEXT: panel open "QB:ItemTools(1.00) " flags=64
# CHECK-NEXT: result 0
print control 2 6 8 9 11 14 15 17 18 20 label
print control 3 12 label x value
print control 5 label value
# CHECK-NEXT: control 2 label="Set selected items to child of input item"
# CHECK-NEXT: control 6 label="Run"
# CHECK-NEXT: control 8 label="Unparent of selected item"
# CHECK-NEXT: control 9 label="Run"
# CHECK-NEXT: control 11 label="Select item in name"
# CHECK-NEXT: control 14 label="(Wildcard can use)"
# CHECK-NEXT: control 15 label="Run"
# CHECK-NEXT: control 17 label="Select selected item and their children"
# CHECK-NEXT: control 18 label="Run"
# CHECK-NEXT: control 20 label="Close"
# CHECK-NEXT: control 3 label="Parent Item" x=-8 value="Keep"
# CHECK-NEXT: control 12 label="Item Name" x=8 value="Cube*"
# CHECK-NEXT: control 5 label="Parent in place" value=1
# -- closed by the host: the next activation opens it again
close
activate QB:ItemTools
# CHECK-NEXT: panel open "QB:ItemTools(1.00) " flags=64
# CHECK-NEXT: result 0
