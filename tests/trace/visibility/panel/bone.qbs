# A selected bone with "Visible": ItemVisibility 1, never ItemActive, even
# though the row's hidden active popup still holds "Off".  The popup is
# erased, so the user cannot reach it.
mesh Body
bone Arm parent=Body hidden
select Arm
activate QB:ItemVisible
# CHECK-NEXT: panel open "QB:ItemVisible(1.00) " flags=64
# CHECK-NEXT: result 0
set 1 0
set 16 2
set 17 0
# CHECK-NEXT: no action: control 17 "" is erased
press 34
# CHECK-NEXT: cmd ok SelectItem 0x40000000
# CHECK-NEXT: cmd ok ItemVisibility 1
# CHECK-NEXT: cmd ok StatusMsg {1.00}Done(1).
# CHECK-NEXT: cmd ok SelectItem 0x40000000
print scene
# CHECK-NEXT: scene items=2 parent-in-place=off
# CHECK-NEXT: 0x10000000 mesh "Body" parent=none display=6 active file="Objects/Body.lwo" layer=1 children=0x40000000
# CHECK-NEXT: 0x40000000 bone "Arm" object=0x10000000 parent=0x10000000 visible=1 active children=none
print control 1 16 value
# CHECK-NEXT: control 1 value=0 "Selection Item"
# CHECK-NEXT: control 16 value=2 "Visible"
