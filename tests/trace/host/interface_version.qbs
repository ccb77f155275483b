# The activation checks the interface version before anything else: no lookup
# at all for versions 5 and 7; the host's major version comes next.
mesh Cube
trace lookups on
interface-version 5
activate QB:SelectItem Cube
interface-version 7
activate QB:SelectItem Cube
interface-version 6
product 14
activate QB:SelectItem Cube
product 16
activate QB:SelectItem Cube
product 0x00F00000
activate QB:ToggleVisible Cube
