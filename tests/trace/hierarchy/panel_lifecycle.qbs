# Item tools panel: built at the first activation, opened without blocking,
# kept with its texts and option when closed.
activate QB:ItemTools
# CHECK-NEXT: panel open "QB:ItemTools(1.00) " flags=64
# CHECK-NEXT: result 0
print panel
# CHECK-NEXT: panel "QB:ItemTools(1.00) " open flags=64 width=320 height=384 controls=20
# CHECK-NEXT:   1 BorderControl "" x=0 y=0 value=0 normal
# CHECK-NEXT:   2 TextControl "Set selected items to child of input item" x=2 y=4 value=0 normal
# CHECK-NEXT:   3 EditControl "Parent Item" x=-8 y=32 value="" normal
# CHECK-NEXT:   4 ButtonControl "\x03(i:MIMG_LEFTARROW)" x=292 y=32 value=0 normal
# CHECK-NEXT:   5 BoolControl "Parent in place" x=80 y=56 value=0 normal
# CHECK-NEXT:   6 ButtonControl "Run" x=230 y=80 value=0 normal
# CHECK-NEXT:   7 BorderControl "" x=0 y=108 value=0 normal
# CHECK-NEXT:   8 TextControl "Unparent of selected item" x=2 y=112 value=0 normal
# CHECK-NEXT:   9 ButtonControl "Run" x=230 y=140 value=0 normal
# CHECK-NEXT:   10 BorderControl "" x=0 y=168 value=0 normal
# CHECK-NEXT:   11 TextControl "Select item in name" x=2 y=172 value=0 normal
# CHECK-NEXT:   12 EditControl "Item Name" x=8 y=200 value="" normal
# CHECK-NEXT:   13 ButtonControl "\x03(i:MIMG_LEFTARROW)" x=292 y=200 value=0 normal
# CHECK-NEXT:   14 TextControl "(Wildcard can use)" x=80 y=224 value=0 normal
# CHECK-NEXT:   15 ButtonControl "Run" x=230 y=248 value=0 normal
# CHECK-NEXT:   16 BorderControl "" x=0 y=276 value=0 normal
# CHECK-NEXT:   17 TextControl "Select selected item and their children" x=2 y=280 value=0 normal
# CHECK-NEXT:   18 ButtonControl "Run" x=230 y=308 value=0 normal
# CHECK-NEXT:   19 BorderControl "" x=0 y=348 value=0 normal
# CHECK-NEXT:   20 ButtonControl "Close" x=120 y=352 value=0 normal
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
print control 3 5 12 value
# CHECK-NEXT: control 3 value="Keep"
# CHECK-NEXT: control 5 value=1
# CHECK-NEXT: control 12 value="Cube*"
# -- closed by the host: the next activation opens it again
close
activate QB:ItemTools
# CHECK-NEXT: panel open "QB:ItemTools(1.00) " flags=64
# CHECK-NEXT: result 0
