# Item tools panel: a host that cannot make the panel ends the activation
# with 2; the next activation tries again.
fail-panels on
activate QB:ItemTools
# CHECK-NEXT: result 2
fail-panels off
activate QB:ItemTools
# CHECK-NEXT: panel open "QB:ItemTools(1.00) " flags=64
# CHECK-NEXT: result 0
