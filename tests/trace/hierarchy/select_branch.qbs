# QB:SelectBranch: roots named by wildcard words, or the selection, with
# everything below them, of the host type of the first root.
null Root
mesh Body parent=Root
light Lamp parent=Root
null Hand parent=Body
bone Bone parent=Body
mesh Other
mesh OtherChild parent=Other
light Key
light Fill parent=Key
# -- null, mesh and light roots: objects of both kinds, their object descendants
select Root Other Key
activate QB:SelectBranch
# CHECK-NEXT: cmd ok SelectItem 0x10000000
# CHECK-NEXT: cmd ok AddToSelection 0x10000003
# CHECK-NEXT: cmd ok AddToSelection 0x10000001
# CHECK-NEXT: cmd ok AddToSelection 0x10000002
# CHECK-NEXT: cmd ok AddToSelection 0x10000004
# CHECK-NEXT: result 0
print selection
# CHECK-NEXT: selection 0x10000000 0x10000003 0x10000001 0x10000002 0x10000004
# -- a light first: only lights
select Key Root
activate QB:SelectBranch
# CHECK-NEXT: cmd ok SelectItem 0x20000001
# CHECK-NEXT: cmd ok AddToSelection 0x20000002
# CHECK-NEXT: result 0
print selection
# CHECK-NEXT: selection 0x20000001 0x20000002
# -- a root below another root keeps its place and is not repeated
select Root Hand
activate QB:SelectBranch
# CHECK-NEXT: cmd ok SelectItem 0x10000000
# CHECK-NEXT: cmd ok AddToSelection 0x10000002
# CHECK-NEXT: cmd ok AddToSelection 0x10000001
# CHECK-NEXT: result 0
print selection
# CHECK-NEXT: selection 0x10000000 0x10000002 0x10000001
# -- the child selected before its parent: each once, at its first place
select Hand Root
activate QB:SelectBranch
# CHECK-NEXT: cmd ok SelectItem 0x10000002
# CHECK-NEXT: cmd ok AddToSelection 0x10000000
# CHECK-NEXT: cmd ok AddToSelection 0x10000001
# CHECK-NEXT: result 0
print selection
# CHECK-NEXT: selection 0x10000002 0x10000000 0x10000001
# -- words: the roots in scene order, whatever the order of the words
activate QB:SelectBranch Fill K*
# CHECK-NEXT: cmd ok SelectItem 0x20000001
# CHECK-NEXT: cmd ok AddToSelection 0x20000002
# CHECK-NEXT: result 0
print selection
# CHECK-NEXT: selection 0x20000001 0x20000002
# -- an unclosed quote: the selection is the roots
select Other
activate QB:SelectBranch "Key
# CHECK-NEXT: cmd ok SelectItem 0x10000003
# CHECK-NEXT: cmd ok AddToSelection 0x10000004
# CHECK-NEXT: result 0
print selection
# CHECK-NEXT: selection 0x10000003 0x10000004
# -- a word that matches nothing does not fall back to the selection
activate QB:SelectBranch Nothing
# CHECK-NEXT: cmd ok StatusMsg {1.0} No items found!
# CHECK-NEXT: result 0
print selection
# CHECK-NEXT: selection 0x10000003 0x10000004
# -- nothing selected
select
activate QB:SelectBranch
# CHECK-NEXT: cmd ok StatusMsg {1.0} No items found!
# CHECK-NEXT: result 0
print selection
# CHECK-NEXT: selection
