# Panel calls the module makes are traced; a panel the user closes is not.
mesh Cube
select Cube
activate QB:ItemVisible
# CHECK: panel open "QB:ItemVisible(1.00) " flags=64
# CHECK-NEXT: result 0
# -- again while open: brought to the front, opened again (no change)
activate QB:ItemVisible
# CHECK-NEXT: panel front "QB:ItemVisible(1.00) "
# CHECK-NEXT: panel open "QB:ItemVisible(1.00) " flags=64
# CHECK-NEXT: result 0
# -- the user closes it: no trace line
close
activate QB:ItemVisible
# CHECK-NEXT: panel front "QB:ItemVisible(1.00) "
# CHECK-NEXT: panel open "QB:ItemVisible(1.00) " flags=64
# CHECK-NEXT: result 0
# -- the panel's own Close button: the module closes it
press 33
# CHECK-NEXT: panel close "QB:ItemVisible(1.00) "
print panel QB:ItemVisible(1.00)
# CHECK-NEXT: panel "QB:ItemVisible(1.00) " closed width=408 height=220 controls=34
# CHECK-NEXT:   1 PopupControl "Target" x=43 y=10 value=2 "Selection Item + Children" normal
# CHECK-NEXT:   2 TextControl "Type" x=5 y=40 value=0 normal
# CHECK-NEXT:   3 TextControl "Visible" x=79 y=40 value=0 normal
# CHECK-NEXT:   4 TextControl "Active" x=227 y=40 value=0 normal
# CHECK-NEXT:   5 BoolButtonControl "Mesh" x=5 y=60 value=1 normal
# CHECK-NEXT:   6 PopupControl "" x=69 y=60 value=1 "Hidden" normal
# CHECK-NEXT:   7 PopupControl "" x=219 y=60 value=1 "Off" normal
# CHECK-NEXT:   8 ButtonControl "Show" x=301 y=60 value=0 normal
# CHECK-NEXT:   9 ButtonControl "Hide" x=351 y=60 value=0 normal
# CHECK-NEXT:   10 BoolButtonControl "Null" x=5 y=80 value=1 normal
# CHECK-NEXT:   11 PopupControl "" x=69 y=80 value=1 "Hidden" normal
# CHECK-NEXT:   12 PopupControl "" x=219 y=80 value=1 "Off" normal
# CHECK-NEXT:   13 ButtonControl "Show" x=301 y=80 value=0 normal
# CHECK-NEXT:   14 ButtonControl "Hide" x=351 y=80 value=0 normal
# CHECK-NEXT:   15 BoolButtonControl "Bone" x=5 y=100 value=1 normal
# CHECK-NEXT:   16 PopupControl "" x=69 y=100 value=1 "Hidden" normal
# CHECK-NEXT:   17 PopupControl "" x=219 y=100 value=1 "Off" erased
# CHECK-NEXT:   18 ButtonControl "Show" x=301 y=100 value=0 normal
# CHECK-NEXT:   19 ButtonControl "Hide" x=351 y=100 value=0 normal
# CHECK-NEXT:   20 BoolButtonControl "Camera" x=5 y=120 value=0 normal
# CHECK-NEXT:   21 PopupControl "" x=69 y=120 value=0 "As is" ghosted
# CHECK-NEXT:   22 PopupControl "" x=219 y=120 value=0 "As is" ghosted
# CHECK-NEXT:   23 ButtonControl "Show" x=301 y=120 value=0 ghosted
# CHECK-NEXT:   24 ButtonControl "Hide" x=351 y=120 value=0 ghosted
# CHECK-NEXT:   25 BoolButtonControl "Light" x=5 y=140 value=0 normal
# CHECK-NEXT:   26 PopupControl "" x=69 y=140 value=0 "As is" ghosted
# CHECK-NEXT:   27 PopupControl "" x=219 y=140 value=0 "As is" ghosted
# CHECK-NEXT:   28 ButtonControl "Show" x=301 y=140 value=0 ghosted
# CHECK-NEXT:   29 ButtonControl "Hide" x=351 y=140 value=0 ghosted
# CHECK-NEXT:   30 ButtonControl "Show All" x=5 y=170 value=0 normal
# CHECK-NEXT:   31 ButtonControl "Hide All" x=125 y=170 value=0 normal
# CHECK-NEXT:   32 BorderControl "" x=5 y=200 value=0 normal
# CHECK-NEXT:   33 ButtonControl "Close" x=170 y=205 value=0 normal
# CHECK-NEXT:   34 ButtonControl "Run" x=280 y=205 value=0 normal
