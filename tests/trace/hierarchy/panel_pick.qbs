# Item tools panel: the arrow buttons write the name of the last selected item
# into the field beside them.
mesh First
mesh Second
light Lamp
activate QB:ItemTools
select First Second Lamp
press 4
select Lamp Second
press 13
print panel
echo -- nothing selected: the fields keep their texts
select
press 4
press 13
print panel
