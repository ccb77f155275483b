# An item without a name is skipped, even by Prefix, and still counts.
null ""
null Arm
select 0x10000000 Arm
activate QB:NameReplace
set 7 1
set 9 P_
ok
print scene
