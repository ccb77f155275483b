# The panel is built at every activation, so its language follows the host's
# locale of that activation.
locale 1041
activate QB:NameReplace
# CHECK: panel open "QB:NameReplace(1.00) " flags=3
cancel
# CHECK-NEXT: panel close "QB:NameReplace(1.00) "
# CHECK-NEXT: panel destroy "QB:NameReplace(1.00) "
# CHECK-NEXT: result 0
locale 1033
activate QB:NameReplace
# CHECK-NEXT: panel open "QB:NameReplace(1.00) " flags=3
print control 1 8 value
# CHECK-NEXT: control 1 value=0 "Select Item"
# CHECK-NEXT: control 8 value=""
cancel
# CHECK-NEXT: panel close "QB:NameReplace(1.00) "
# CHECK-NEXT: panel destroy "QB:NameReplace(1.00) "
# CHECK-NEXT: result 0
