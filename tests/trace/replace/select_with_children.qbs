# Scope "Select Item + Children" with one selected object item and its two
# child object items: three rows, the parent's first.  Then scope "Select
# Item": the parent's row only.
mesh Family:Parent Objects/Family.lwo
mesh Family:ChildA Objects/Family.lwo parent=Family:Parent
mesh Family:ChildB Objects/Family.lwo parent=Family:Parent
mesh Other:Parent Objects/Other.lwo
select Family:Parent
activate QB:ObjectReplacer
set 1 1
set 3 ../../data/replace/family.lwo
press 6
print panel Result
close
activate QB:ObjectReplacer
set 1 0
press 6
print panel Result
close
print selection
