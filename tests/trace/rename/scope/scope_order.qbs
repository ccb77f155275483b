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
# CHECK-NEXT: panel open "QB:NameReplace(1.00) " flags=3
set 1 1
set 7 1
set 9 a_
ok
# CHECK-NEXT: cmd ok SelectItem 0x10000000
# CHECK-NEXT: cmd ok Rename a_Root
# CHECK-NEXT: cmd ok StatusMsg {0.00}QB:NameReplace: Renaming...
# CHECK-NEXT: cmd ok SelectItem 0x10000001
# CHECK-NEXT: cmd ok Rename a_Child
# CHECK-NEXT: cmd ok StatusMsg {0.33}QB:NameReplace: Renaming...
# CHECK-NEXT: cmd ok SelectItem 0x10000002
# CHECK-NEXT: cmd ok Rename a_Grandchild
# CHECK-NEXT: cmd ok StatusMsg {0.67}QB:NameReplace: Renaming...
# CHECK-NEXT: cmd ok SelectItem 0x10000003
# CHECK-NEXT: cmd ok Rename a_Child2
# CHECK-NEXT: cmd ok StatusMsg {1.00}QB:NameReplace: Renaming...
# CHECK-NEXT: cmd ok StatusMsg QB:NameReplace: Done(4).
# CHECK-NEXT: cmd ok SelectItem 0x10000000
# CHECK-NEXT: panel close "QB:NameReplace(1.00) "
# CHECK-NEXT: panel destroy "QB:NameReplace(1.00) "
# CHECK-NEXT: result 0
print scene
# CHECK-NEXT: scene items=8 parent-in-place=off
# CHECK-NEXT: 0x10000000 null "a_Root" parent=none display=6 active file="" layer=0 children=0x10000001,0x10000003
# CHECK-NEXT: 0x10000001 null "a_Child" parent=0x10000000 display=6 active file="" layer=0 children=0x10000002
# CHECK-NEXT: 0x10000002 null "a_Grandchild" parent=0x10000001 display=6 active file="" layer=0 children=none
# CHECK-NEXT: 0x10000003 null "a_Child2" parent=0x10000000 display=6 active file="" layer=0 children=none
# CHECK-NEXT: 0x10000004 null "Other" parent=none display=6 active file="" layer=0 children=0x40000004
# CHECK-NEXT: 0x40000004 bone "Bone" object=0x10000004 parent=0x10000004 visible=1 active children=none
# CHECK-NEXT: 0x20000000 light "Lamp" parent=none visible=1 active children=none
# CHECK-NEXT: 0x30000000 camera "Cam" parent=none visible=1 active children=none
select Other
activate QB:NameReplace
# CHECK-NEXT: panel open "QB:NameReplace(1.00) " flags=3
set 1 2
set 5 1
set 6 1
set 9 b_
ok
# CHECK-NEXT: cmd ok SelectItem 0x10000000
# CHECK-NEXT: cmd ok Rename b_a_Root
# CHECK-NEXT: cmd ok StatusMsg {0.00}QB:NameReplace: Renaming...
# CHECK-NEXT: cmd ok SelectItem 0x10000001
# CHECK-NEXT: cmd ok Rename b_a_Child
# CHECK-NEXT: cmd ok StatusMsg {0.14}QB:NameReplace: Renaming...
# CHECK-NEXT: cmd ok SelectItem 0x10000002
# CHECK-NEXT: cmd ok Rename b_a_Grandchild
# CHECK-NEXT: cmd ok StatusMsg {0.29}QB:NameReplace: Renaming...
# CHECK-NEXT: cmd ok SelectItem 0x10000003
# CHECK-NEXT: cmd ok Rename b_a_Child2
# CHECK-NEXT: cmd ok StatusMsg {0.43}QB:NameReplace: Renaming...
# CHECK-NEXT: cmd ok SelectItem 0x10000004
# CHECK-NEXT: cmd ok Rename b_Other
# CHECK-NEXT: cmd ok StatusMsg {0.57}QB:NameReplace: Renaming...
# CHECK-NEXT: cmd ok SelectItem 0x40000004
# CHECK-NEXT: cmd ok Rename b_Bone
# CHECK-NEXT: cmd ok StatusMsg {0.71}QB:NameReplace: Renaming...
# CHECK-NEXT: cmd ok SelectItem 0x20000000
# CHECK-NEXT: cmd ok Rename b_Lamp
# CHECK-NEXT: cmd ok StatusMsg {0.86}QB:NameReplace: Renaming...
# CHECK-NEXT: cmd ok SelectItem 0x30000000
# CHECK-NEXT: cmd ok Rename b_Cam
# CHECK-NEXT: cmd ok StatusMsg {1.00}QB:NameReplace: Renaming...
# CHECK-NEXT: cmd ok StatusMsg QB:NameReplace: Done(8).
# CHECK-NEXT: cmd ok SelectItem 0x10000004
# CHECK-NEXT: panel close "QB:NameReplace(1.00) "
# CHECK-NEXT: panel destroy "QB:NameReplace(1.00) "
# CHECK-NEXT: result 0
print scene
# CHECK-NEXT: scene items=8 parent-in-place=off
# CHECK-NEXT: 0x10000000 null "b_a_Root" parent=none display=6 active file="" layer=0 children=0x10000001,0x10000003
# CHECK-NEXT: 0x10000001 null "b_a_Child" parent=0x10000000 display=6 active file="" layer=0 children=0x10000002
# CHECK-NEXT: 0x10000002 null "b_a_Grandchild" parent=0x10000001 display=6 active file="" layer=0 children=none
# CHECK-NEXT: 0x10000003 null "b_a_Child2" parent=0x10000000 display=6 active file="" layer=0 children=none
# CHECK-NEXT: 0x10000004 null "b_Other" parent=none display=6 active file="" layer=0 children=0x40000004
# CHECK-NEXT: 0x40000004 bone "b_Bone" object=0x10000004 parent=0x10000004 visible=1 active children=none
# CHECK-NEXT: 0x20000000 light "b_Lamp" parent=none visible=1 active children=none
# CHECK-NEXT: 0x30000000 camera "b_Cam" parent=none visible=1 active children=none
