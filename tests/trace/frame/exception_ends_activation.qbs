# A pattern that is not a valid regular expression raises inside the tool;
# the message reaches the status line and the activation ends with 2.
mesh Cube1
mesh Cube2
select Cube2
activate QB:SelectItem a{
# CHECK-NEXT: cmd ok StatusMsg *** ERROR: Invalid range in '{}' in regular expression ***
# CHECK-NEXT: result 2
print status
# CHECK-NEXT: status *** ERROR: Invalid range in '{}' in regular expression ***
print selection
# CHECK-NEXT: selection 0x10000001
# -- the next activation runs normally
activate QB:SelectItem Cube1
# CHECK-NEXT: cmd ok SelectItem 0x10000000
# CHECK-NEXT: result 0
print selection
# CHECK-NEXT: selection 0x10000000
