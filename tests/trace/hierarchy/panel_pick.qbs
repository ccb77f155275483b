# Item tools panel: the arrow buttons write the name of the last selected item
# into the field beside them.
mesh First
mesh Second
light Lamp
activate QB:ItemTools
# CHECK-NEXT: panel open "QB:ItemTools(1.00) " flags=64
# CHECK-NEXT: result 0
select First Second Lamp
press 4
select Lamp Second
press 13
print control 3 12 value
# CHECK-NEXT: control 3 value="Lamp"
# CHECK-NEXT: control 12 value="Second"
# -- nothing selected: the fields keep their texts
select
press 4
press 13
print control 3 12 value
# CHECK-NEXT: control 3 value="Lamp"
# CHECK-NEXT: control 12 value="Second"
