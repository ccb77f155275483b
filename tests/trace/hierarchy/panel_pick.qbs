# Item tools panel: the arrow buttons write the name of the last selected item
# into the field beside them.
mesh First
mesh Second
light Lamp
activate QB:ItemTools
# CHECK: panel open "QB:ItemTools(1.00) " flags=64
# CHECK-NEXT: result 0
select First Second Lamp
press 4
select Lamp Second
press 13
print control 2 5 6 8 9 11 14 15 17 18 20 label
print control 3 12 label x value
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
# CHECK-NEXT: control 3 label="Parent Item" x=-8 value="Lamp"
# CHECK-NEXT: control 12 label="Item Name" x=8 value="Second"
# -- nothing selected: the fields keep their texts
select
press 4
press 13
print control 2 5 6 8 9 11 14 15 17 18 20 label
print control 3 12 label x value
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
# CHECK-NEXT: control 3 label="Parent Item" x=-8 value="Lamp"
# CHECK-NEXT: control 12 label="Item Name" x=8 value="Second"
