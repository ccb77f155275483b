# Item tools panel: the selection with everything below it.
null Root
mesh Body parent=Root
light Lamp parent=Root
mesh Hand parent=Body
activate QB:ItemTools
echo -- nothing selected
select
press 18
print selection
echo -- a null root: its object descendants, breadth first
select Root
press 18
print selection
