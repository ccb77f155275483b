# An activation with interface version 5 returns 1 and shows nothing; a missing
# host service returns 2; a panel that cannot be created returns 2 and adds no
# control, and the next activation builds it.
interface-version 5
activate QB:ObjectReplacer
interface-version 6
missing "LW Light Info 6"
activate QB:ObjectReplacer
provide "LW Light Info 6"
fail-panels on
activate QB:ObjectReplacer
fail-panels off
activate QB:ObjectReplacer
print panel
