# The interface version is checked before anything is looked up; the host's
# major version (bits 20-23 of "Product Info") must be 15.
trace lookups on
interface-version 5
activate QB:ItemTools
activate QB:NameReplace
interface-version 7
activate QB:ToggleVisible
interface-version 6
echo -- major 14 and 16
product 0xE00000
activate QB:SelectItem Cube
product 0x1000000
activate QB:ItemVisible
echo -- bits above 23 are not part of the major version
trace lookups off
product 0x10F00000
activate QB:SelectItem Nothing
