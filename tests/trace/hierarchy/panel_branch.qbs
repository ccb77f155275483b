# Item tools panel: the selection with everything below it.
null Root
mesh Body parent=Root
light Lamp parent=Root
mesh Hand parent=Body
activate QB:ItemTools
# CHECK-NEXT: panel open "QB:ItemTools(1.00) " flags=64
# CHECK-NEXT: result 0
# -- nothing selected
select
press 18
# CHECK-NEXT: cmd ok StatusMsg {1.0} No items found!
print selection
# CHECK-NEXT: selection
# -- a null root: its object descendants, breadth first
select Root
press 18
# CHECK-NEXT: cmd ok SelectItem 0x10000000
# CHECK-NEXT: cmd ok AddToSelection 0x10000001
# CHECK-NEXT: cmd ok AddToSelection 0x10000002
print selection
# CHECK-NEXT: selection 0x10000000 0x10000001 0x10000002
