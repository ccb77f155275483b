# QB:SelectItem: the items named by wildcard words, only of the type of the
# last match in scene order (objects each followed by their bones, then
# lights, then cameras), selected from the last match backwards.
mesh Cube
mesh Cube2
mesh Arm
bone ArmBone parent=Arm
mesh Body
mesh "Left Arm"
light CubeLight
camera Camera
# -- Cube*: the light is the last match, so only the light
activate QB:SelectItem Cube*
# CHECK-NEXT: cmd ok SelectItem 0x20000000
# CHECK-NEXT: result 0
print selection
# CHECK-NEXT: selection 0x20000000
# -- Arm*: the bone follows its object and is the last match
activate QB:SelectItem Arm*
# CHECK-NEXT: cmd ok SelectItem 0x40000002
# CHECK-NEXT: result 0
print selection
# CHECK-NEXT: selection 0x40000002
# -- mixed types: the object Body is last, the bone between is skipped
activate QB:SelectItem Arm* body
# CHECK-NEXT: cmd ok SelectItem 0x10000003
# CHECK-NEXT: cmd ok AddToSelection 0x10000002
# CHECK-NEXT: result 0
print selection
# CHECK-NEXT: selection 0x10000003 0x10000002
# -- the same item named three times is selected once
activate QB:SelectItem Body BODY b?dy
# CHECK-NEXT: cmd ok SelectItem 0x10000003
# CHECK-NEXT: result 0
print selection
# CHECK-NEXT: selection 0x10000003
# -- a quoted word holds a blank
activate QB:SelectItem "Left Arm" Cube
# CHECK-NEXT: cmd ok SelectItem 0x10000004
# CHECK-NEXT: cmd ok AddToSelection 0x10000000
# CHECK-NEXT: result 0
print selection
# CHECK-NEXT: selection 0x10000004 0x10000000
# -- no argument
activate QB:SelectItem
# CHECK-NEXT: cmd ok StatusMsg {1.0} No items found!
# CHECK-NEXT: result 0
print selection
# CHECK-NEXT: selection 0x10000004 0x10000000
# -- only blanks
activate QB:SelectItem    
# CHECK-NEXT: cmd ok StatusMsg {1.0} No items found!
# CHECK-NEXT: result 0
print selection
# CHECK-NEXT: selection 0x10000004 0x10000000
# -- an unclosed quote drops every word
activate QB:SelectItem Cube "Left Arm
# CHECK-NEXT: cmd ok StatusMsg {1.0} No items found!
# CHECK-NEXT: result 0
print selection
# CHECK-NEXT: selection 0x10000004 0x10000000
# -- a word that matches nothing
activate QB:SelectItem Nothing*
# CHECK-NEXT: cmd ok StatusMsg {1.0} No items found!
# CHECK-NEXT: result 0
print status
# CHECK-NEXT: status {1.0} No items found!
# -- a word that does not compile as a pattern changes nothing
select Cube
activate QB:SelectItem Cube2 a{
# CHECK-NEXT: cmd ok StatusMsg *** ERROR: Invalid range in '{}' in regular expression ***
# CHECK-NEXT: result 2
print selection
# CHECK-NEXT: selection 0x10000000
