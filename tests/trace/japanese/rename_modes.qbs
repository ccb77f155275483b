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
echo -- Replace L by R
activate QB:NameReplace
set 11 L
set 12 R
ok
print scene
echo -- Prefix
activate QB:NameReplace
set 7 1
set 9 左_
ok
echo -- Suffix
activate QB:NameReplace
set 7 2
set 10 _足
ok
print scene
echo -- Change, from the pre-fill of the first selected item's name
activate QB:NameReplace
set 7 0
print panel
set 8 頭
ok
print scene
