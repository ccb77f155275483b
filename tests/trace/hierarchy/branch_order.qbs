# Below a root, items come breadth first: its children in the host's order,
# then their children.  Z is made before Y, so creation order would differ.
null R
null X parent=R
null Z parent=X
null Y parent=R
select R
activate QB:SelectBranch
# CHECK-NEXT: cmd ok SelectItem 0x10000000
# CHECK-NEXT: cmd ok AddToSelection 0x10000001
# CHECK-NEXT: cmd ok AddToSelection 0x10000003
# CHECK-NEXT: cmd ok AddToSelection 0x10000002
# CHECK-NEXT: result 0
print selection
# CHECK-NEXT: selection 0x10000000 0x10000001 0x10000003 0x10000002
# -- a leaf alone
activate QB:SelectBranch Z
# CHECK-NEXT: cmd ok SelectItem 0x10000002
# CHECK-NEXT: result 0
print selection
# CHECK-NEXT: selection 0x10000002
