# Every lookup of "LW Interface Info 7" is a new snapshot of the selection: a
# tool sees a selection made by the user or by its own commands only through a
# fresh lookup, which the trace shows.
mesh Cube
null Pivot
select Cube
activate QB:ItemTools
# CHECK: panel open "QB:ItemTools(1.00) " flags=64
# CHECK-NEXT: result 0
# -- the user selects Pivot; the pick button reads the selection
select Pivot
trace lookups on
press 4
# CHECK-NEXT: lookup LW Interface Info 7
# -- branch selection: select Pivot, then look again
press 18
# CHECK-NEXT: lookup LW Interface Info 7
# CHECK-NEXT: cmd ok SelectItem 0x10000001
# CHECK-NEXT: lookup LW Interface Info 7
trace lookups off
print control 2 5 6 8 9 11 14 15 17 18 20 label
print control 3 label x value
print control 12 label x
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
# CHECK-NEXT: control 3 label="Parent Item" x=-8 value="Pivot"
# CHECK-NEXT: control 12 label="Item Name" x=8
close
