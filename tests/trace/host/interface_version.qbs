# The activation checks the interface version before anything else: no lookup
# at all for versions 5 and 7; the host's major version comes next.
mesh Cube
trace lookups on
interface-version 5
activate QB:SelectItem Cube
# CHECK-NEXT: result 1
interface-version 7
activate QB:SelectItem Cube
# CHECK-NEXT: result 1
interface-version 6
product 14
activate QB:SelectItem Cube
# CHECK-NEXT: lookup Product Info
# CHECK-NEXT: result 1
product 16
activate QB:SelectItem Cube
# CHECK-NEXT: lookup Product Info
# CHECK-NEXT: result 1
product 0x00F00000
activate QB:ToggleVisible Cube
# CHECK-NEXT: lookup Product Info
# CHECK-NEXT: lookup Animation Envelopes 2
# CHECK: cmd ok SelectItem 0x10000000
# CHECK: cmd ok ItemVisibility 0
# CHECK: cmd ok SelectItem 0x10000000
# CHECK: cmd ok ItemActive
# CHECK-NEXT: result 0
