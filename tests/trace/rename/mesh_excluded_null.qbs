# With the Null box clear, nulls are skipped as well, and an object whose file
# name is not a .lwo path counts as a null.
mesh Crate C:\scene\Objects\Crate.LWO
null Empty_L_
bone Bone_L_ parent=Empty_L_
select Crate Empty_L_ Bone_L_
activate QB:NameReplace
set 3 0
ok
print scene
