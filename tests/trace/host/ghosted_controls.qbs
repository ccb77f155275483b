# Ghosted and erased controls take no action.
mesh Cube
light Key
select Cube
activate QB:ItemVisible
# CHECK-NEXT: panel open "QB:ItemVisible(1.00) " flags=64
# CHECK-NEXT: result 0
print control 17 21 22 23 state
# CHECK-NEXT: control 17 state=erased
# CHECK-NEXT: control 21 state=ghosted
# CHECK-NEXT: control 22 state=ghosted
# CHECK-NEXT: control 23 state=ghosted
# -- the Camera row is off: its controls are ghosted
press 23
# CHECK-NEXT: no action: control 23 "Show" is ghosted
set 22 2
# CHECK-NEXT: no action: control 22 "" is ghosted
# -- the Bone row's active popup is erased
set 17 1
# CHECK-NEXT: no action: control 17 "" is erased
print control 17 22 value state
# CHECK-NEXT: control 17 value=1 "Off" state=erased
# CHECK-NEXT: control 22 value=0 "As is" state=ghosted
close
