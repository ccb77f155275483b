# Every lookup of "LW Interface Info 7" is a new snapshot of the selection: a
# tool sees a selection made by the user or by its own commands only through a
# fresh lookup, which the trace shows.
generation 2018
mesh Cube
null Pivot
select Cube
activate QB:ItemTools
# CHECK-NEXT: panel open "QB:ItemTools(1.00) " flags=64
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
print control 3 value
# CHECK-NEXT: control 3 value="Pivot"
close
