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
echo -- null, mesh and light roots: objects of both kinds, their object descendants
select Root Other Key
activate QB:SelectBranch
print selection
echo -- a light first: only lights
select Key Root
activate QB:SelectBranch
print selection
echo -- a root below another root keeps its place and is not repeated
select Root Hand
activate QB:SelectBranch
print selection
echo -- the child selected before its parent: each once, at its first place
select Hand Root
activate QB:SelectBranch
print selection
echo -- words: the roots in scene order, whatever the order of the words
activate QB:SelectBranch Fill K*
print selection
echo -- an unclosed quote: the selection is the roots
select Other
activate QB:SelectBranch "Key
print selection
echo -- a word that matches nothing does not fall back to the selection
activate QB:SelectBranch Nothing
print selection
echo -- nothing selected
select
activate QB:SelectBranch
print selection
