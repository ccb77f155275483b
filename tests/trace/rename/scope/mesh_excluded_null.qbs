# With the Null box clear, nulls are skipped as well, and an object whose file
# name is not a .lwo path counts as a null.
mesh Crate C:\scene\Objects\Crate.LWO
null Empty_L_
bone Bone_L_ parent=Empty_L_
select Crate Empty_L_ Bone_L_
activate QB:NameReplace
# CHECK-NEXT: panel open "QB:NameReplace(1.00) " flags=3
set 3 0
ok
# CHECK-NEXT: cmd ok StatusMsg {0.00}QB:NameReplace: Renaming...
# CHECK-NEXT: cmd ok StatusMsg {0.50}QB:NameReplace: Renaming...
# CHECK-NEXT: cmd ok SelectItem 0x40000001
# CHECK-NEXT: cmd ok Rename Bone_R_
# CHECK-NEXT: cmd ok StatusMsg {1.00}QB:NameReplace: Renaming...
# CHECK-NEXT: cmd ok StatusMsg QB:NameReplace: Done(1).
# CHECK-NEXT: cmd ok SelectItem 0x40000001
# CHECK-NEXT: cmd ok AddToSelection 0x10000001
# CHECK-NEXT: cmd ok AddToSelection 0x10000000
# CHECK-NEXT: panel close "QB:NameReplace(1.00) "
# CHECK-NEXT: panel destroy "QB:NameReplace(1.00) "
# CHECK-NEXT: result 0
print scene
# CHECK-NEXT: scene items=3 parent-in-place=off
# CHECK-NEXT: 0x10000000 mesh "Crate" parent=none display=6 active file="C:\\scene\\Objects\\Crate.LWO" layer=1 children=none
# CHECK-NEXT: 0x10000001 null "Empty_L_" parent=none display=6 active file="" layer=0 children=0x40000001
# CHECK-NEXT: 0x40000001 bone "Bone_R_" object=0x10000001 parent=0x10000001 visible=1 active children=none
