# An activation with interface version 5 returns 1 and shows nothing; a missing
# host service returns 2; a panel that cannot be created returns 2 and adds no
# control, and the next activation builds it.
generation 2018
interface-version 5
activate QB:ObjectReplacer
# CHECK-NEXT: result 1
interface-version 6
missing "LW Light Info 6"
activate QB:ObjectReplacer
# CHECK-NEXT: result 2
provide "LW Light Info 6"
fail-panels on
activate QB:ObjectReplacer
# CHECK-NEXT: result 2
fail-panels off
activate QB:ObjectReplacer
# CHECK-NEXT: panel open "QB:ObjectReplacer(1.00) " flags=64
# CHECK-NEXT: result 0
print control 3 value
# CHECK-NEXT: control 3 value=""
