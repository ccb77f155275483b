# Scope "Select Item + Children" (1): each selected item followed by its
# descendants depth first.  Scope "All Item" (2): every object followed by its
# bones, then lights, then cameras.
null Root
null Child parent=Root
null Grandchild parent=Child
null Child2 parent=Root
null Other
bone Bone parent=Other
light Lamp
camera Cam
select Root
activate QB:NameReplace
set 1 1
set 7 1
set 9 a_
ok
print scene
select Other
activate QB:NameReplace
set 1 2
set 5 1
set 6 1
set 9 b_
ok
print scene
