# The interface version is checked before anything is looked up (no lookup at
# all for versions 5 and 8 and above; 6 is the 2018 generation, 7 the 2020
# one); the host's major version (bits 20-23 of "Product Info") must be 15 in
# both.
generation 2018
trace lookups on
interface-version 5
activate QB:ItemTools
# CHECK-NEXT: result 1
activate QB:NameReplace
# CHECK-NEXT: result 1
interface-version 8
activate QB:ToggleVisible
# CHECK-NEXT: result 1
interface-version 0x7fffffff
activate QB:SelectItem Cube
# CHECK-NEXT: result 1
interface-version 6
# -- major 14 and 16
product 0xE00000
activate QB:SelectItem Cube
# CHECK-NEXT: lookup Product Info
# CHECK-NEXT: result 1
product 0x1000000
activate QB:ItemVisible
# CHECK-NEXT: lookup Product Info
# CHECK-NEXT: result 1
# -- the 2020 generation: version 7, and the same host check
generation 2020
activate QB:SelectItem Cube
# CHECK-NEXT: lookup Product Info
# CHECK-NEXT: result 1
product 0x0AE00000
activate QB:SelectItem Cube
# CHECK-NEXT: lookup Product Info
# CHECK-NEXT: result 1
# -- bits above 23 are not part of the major version
trace lookups off
generation 2018
product 0x10F00000
activate QB:SelectItem Nothing
# CHECK-NEXT: cmd ok StatusMsg {1.0} No items found!
# CHECK-NEXT: result 0
generation 2020
activate QB:SelectItem Nothing
# CHECK-NEXT: cmd ok StatusMsg {1.0} No items found!
# CHECK-NEXT: result 0
