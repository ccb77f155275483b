# Below a root, items come breadth first: its children in the host's order,
# then their children.  Z is made before Y, so creation order would differ.
null R
null X parent=R
null Z parent=X
null Y parent=R
select R
activate QB:SelectBranch
print selection
echo -- a leaf alone
activate QB:SelectBranch Z
print selection
