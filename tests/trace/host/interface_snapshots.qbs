# Every lookup of "LW Interface Info 7" is a new snapshot of the selection: a
# tool sees a selection made by the user or by its own commands only through a
# fresh lookup, which the trace shows.
mesh Cube
null Pivot
select Cube
activate QB:ItemTools
echo -- the user selects Pivot; the pick button reads the selection
select Pivot
trace lookups on
press 4
echo -- branch selection: select Pivot, then look again
press 18
trace lookups off
print panel
close
