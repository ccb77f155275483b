# Item tools panel: the whole "Item Name" text is one wildcard pattern.
mesh Cube
mesh Cube2
mesh "Left Arm"
mesh Left
mesh Arm
light Lamp
activate QB:ItemTools
# CHECK-NEXT: panel open "QB:ItemTools(1.00) " flags=64
# CHECK-NEXT: result 0
# -- Cube*: the objects Cube and Cube2, the last match first
set 12 Cube*
press 15
# CHECK-NEXT: cmd ok SelectItem 0x10000001
# CHECK-NEXT: cmd ok AddToSelection 0x10000000
print selection
# CHECK-NEXT: selection 0x10000001 0x10000000
# -- a text with a blank is one pattern
set 12 "left arm"
press 15
# CHECK-NEXT: cmd ok SelectItem 0x10000002
print selection
# CHECK-NEXT: selection 0x10000002
# -- two names in the field are not two patterns
set 12 "Cube Cube2"
press 15
# CHECK-NEXT: cmd ok StatusMsg {1.0} No items found!
print selection
# CHECK-NEXT: selection 0x10000002
# -- an empty field
set 12 ""
press 15
# CHECK-NEXT: cmd ok StatusMsg {1.0} No items found!
# -- a wildcard that does not compile: reported, nothing changes
set 12 a{
press 15
# CHECK-NEXT: cmd ok StatusMsg *** ERROR: Invalid range in '{}' in regular expression ***
print selection
# CHECK-NEXT: selection 0x10000002
# -- the panel goes on working
set 12 LAMP
press 15
# CHECK-NEXT: cmd ok SelectItem 0x20000000
print selection
# CHECK-NEXT: selection 0x20000000
