# Activating the tool while its panel is open brings it to the front and
# builds nothing; after Close, activating opens the same panel with the
# choices it had.
mesh Box
activate QB:ItemVisible
# CHECK-NEXT: panel open "QB:ItemVisible(1.00) " flags=64
# CHECK-NEXT: result 0
set 1 4
set 5 0
activate QB:ItemVisible
# CHECK-NEXT: panel front "QB:ItemVisible(1.00) "
# CHECK-NEXT: panel open "QB:ItemVisible(1.00) " flags=64
# CHECK-NEXT: result 0
press 33
# CHECK-NEXT: panel close "QB:ItemVisible(1.00) "
activate QB:ItemVisible
# CHECK-NEXT: panel front "QB:ItemVisible(1.00) "
# CHECK-NEXT: panel open "QB:ItemVisible(1.00) " flags=64
# CHECK-NEXT: result 0
print control 1 5 value
print control 6 7 8 9 state
# CHECK-NEXT: control 1 value=4 "All Items"
# CHECK-NEXT: control 5 value=0
# CHECK-NEXT: control 6 state=ghosted
# CHECK-NEXT: control 7 state=ghosted
# CHECK-NEXT: control 8 state=ghosted
# CHECK-NEXT: control 9 state=ghosted
