# The rename tool on a Japanese host, mode by mode.  A search never starts or
# ends inside a character: L replaced by R turns キック_L (キ is 0x83 0x4C) into
# キック_R.  Objects loaded from C:\objs\表.lwo and C:\objs\ソ.lwo (the second
# byte of 表 and ソ is 0x5C) are mesh objects and never renamed.
locale 1041
null キック_L
null "ソ_L (2)"
mesh 表 C:\objs\表.lwo
mesh ソ C:\objs\ソ.lwo
select キック_L "ソ_L (2)" 表 ソ
# -- Replace L by R
activate QB:NameReplace
# CHECK: panel open "QB:NameReplace(1.00) " flags=3
set 11 L
set 12 R
ok
# CHECK-NEXT: cmd ok SelectItem 0x10000000
# CHECK-NEXT: cmd ok Rename キック_R
# CHECK-NEXT: cmd ok StatusMsg {0.00}QB:NameReplace: Renaming...
# CHECK-NEXT: cmd ok SelectItem 0x10000001
# CHECK-NEXT: cmd ok Rename ソ_R
# CHECK-NEXT: cmd ok StatusMsg {0.33}QB:NameReplace: Renaming...
# CHECK-NEXT: cmd ok StatusMsg {0.67}QB:NameReplace: Renaming...
# CHECK-NEXT: cmd ok StatusMsg {1.00}QB:NameReplace: Renaming...
# CHECK-NEXT: cmd ok StatusMsg QB:NameReplace: Done(2).
# CHECK-NEXT: cmd ok SelectItem 0x10000003
# CHECK-NEXT: cmd ok AddToSelection 0x10000002
# CHECK-NEXT: cmd ok AddToSelection 0x10000001
# CHECK-NEXT: cmd ok AddToSelection 0x10000000
# CHECK: result 0
# -- Prefix
activate QB:NameReplace
# CHECK-NEXT: panel open "QB:NameReplace(1.00) " flags=3
set 7 1
set 9 左_
ok
# CHECK-NEXT: cmd ok StatusMsg {0.00}QB:NameReplace: Renaming...
# CHECK-NEXT: cmd ok StatusMsg {0.33}QB:NameReplace: Renaming...
# CHECK-NEXT: cmd ok SelectItem 0x10000001
# CHECK-NEXT: cmd ok Rename 左_ソ_R
# CHECK-NEXT: cmd ok StatusMsg {0.67}QB:NameReplace: Renaming...
# CHECK-NEXT: cmd ok SelectItem 0x10000000
# CHECK-NEXT: cmd ok Rename 左_キック_R
# CHECK-NEXT: cmd ok StatusMsg {1.00}QB:NameReplace: Renaming...
# CHECK-NEXT: cmd ok StatusMsg QB:NameReplace: Done(2).
# CHECK-NEXT: cmd ok SelectItem 0x10000000
# CHECK-NEXT: cmd ok AddToSelection 0x10000001
# CHECK-NEXT: cmd ok AddToSelection 0x10000002
# CHECK-NEXT: cmd ok AddToSelection 0x10000003
# CHECK: result 0
# -- Suffix
activate QB:NameReplace
# CHECK-NEXT: panel open "QB:NameReplace(1.00) " flags=3
set 7 2
set 10 _足
ok
# CHECK-NEXT: cmd ok SelectItem 0x10000000
# CHECK-NEXT: cmd ok Rename 左_キック_R_足
# CHECK-NEXT: cmd ok StatusMsg {0.00}QB:NameReplace: Renaming...
# CHECK-NEXT: cmd ok SelectItem 0x10000001
# CHECK-NEXT: cmd ok Rename 左_ソ_R_足
# CHECK-NEXT: cmd ok StatusMsg {0.33}QB:NameReplace: Renaming...
# CHECK-NEXT: cmd ok StatusMsg {0.67}QB:NameReplace: Renaming...
# CHECK-NEXT: cmd ok StatusMsg {1.00}QB:NameReplace: Renaming...
# CHECK-NEXT: cmd ok StatusMsg QB:NameReplace: Done(2).
# CHECK-NEXT: cmd ok SelectItem 0x10000003
# CHECK-NEXT: cmd ok AddToSelection 0x10000002
# CHECK-NEXT: cmd ok AddToSelection 0x10000001
# CHECK-NEXT: cmd ok AddToSelection 0x10000000
# CHECK: result 0
# -- Change, from the pre-fill of the first selected item's name
activate QB:NameReplace
# CHECK-NEXT: panel open "QB:NameReplace(1.00) " flags=3
set 7 0
print control 7 9 10 value
print control 8 11 12 value state
# CHECK-NEXT: control 7 value=0 "変更"
# CHECK-NEXT: control 9 value="左_"
# CHECK-NEXT: control 10 value="_足"
# CHECK-NEXT: control 8 value="ソ" state=normal
# CHECK-NEXT: control 11 value="L" state=erased
# CHECK-NEXT: control 12 value="R" state=erased
set 8 頭
ok
# CHECK-NEXT: cmd ok StatusMsg {0.00}QB:NameReplace: Renaming...
# CHECK-NEXT: cmd ok StatusMsg {0.33}QB:NameReplace: Renaming...
# CHECK-NEXT: cmd ok SelectItem 0x10000001
# CHECK-NEXT: cmd ok Rename 頭
# CHECK-NEXT: cmd ok StatusMsg {0.67}QB:NameReplace: Renaming...
# CHECK-NEXT: cmd ok SelectItem 0x10000000
# CHECK-NEXT: cmd ok Rename 頭
# CHECK-NEXT: cmd ok StatusMsg {1.00}QB:NameReplace: Renaming...
# CHECK-NEXT: cmd ok StatusMsg QB:NameReplace: Done(2).
# CHECK-NEXT: cmd ok SelectItem 0x10000000
# CHECK-NEXT: cmd ok AddToSelection 0x10000001
# CHECK-NEXT: cmd ok AddToSelection 0x10000002
# CHECK-NEXT: cmd ok AddToSelection 0x10000003
# CHECK: result 0
