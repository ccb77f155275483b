# The rename tool's Regular Expression mode on a Japanese host: patterns with
# Japanese characters compile whatever their second bytes (ボ ends in {, ソ in
# \), and a match never starts or ends inside a character (キ is 0x83 0x4C).
locale 1041
null ボーン_L
null ソ
null キック_L
null コック
# -- ボ replaced by ポ
select ボーン_L
activate QB:NameReplace
# CHECK: panel open "QB:NameReplace(1.00) " flags=3
set 7 4
set 13 ボ
set 14 ポ
ok
# CHECK-NEXT: cmd ok SelectItem 0x10000000
# CHECK-NEXT: cmd ok Rename ポーン_L
# CHECK-NEXT: cmd ok StatusMsg {1.00}QB:NameReplace: Renaming...
# CHECK-NEXT: cmd ok StatusMsg QB:NameReplace: Done(1).
# CHECK-NEXT: cmd ok SelectItem 0x10000000
# -- ソ replaced by タ
select ソ
activate QB:NameReplace
set 13 ソ
set 14 タ
ok
# CHECK: cmd ok SelectItem 0x10000001
# CHECK-NEXT: cmd ok Rename タ
# CHECK-NEXT: cmd ok StatusMsg {1.00}QB:NameReplace: Renaming...
# CHECK-NEXT: cmd ok StatusMsg QB:NameReplace: Done(1).
# CHECK-NEXT: cmd ok SelectItem 0x10000001
# -- L replaced by R: the letter, not the second byte of キ
select キック_L
activate QB:NameReplace
set 13 L
set 14 R
ok
# CHECK: cmd ok SelectItem 0x10000002
# CHECK-NEXT: cmd ok Rename キック_R
# CHECK-NEXT: cmd ok StatusMsg {1.00}QB:NameReplace: Renaming...
# CHECK-NEXT: cmd ok StatusMsg QB:NameReplace: Done(1).
# CHECK-NEXT: cmd ok SelectItem 0x10000002
# -- ^. replaced by X takes the whole first character
select コック
activate QB:NameReplace
set 13 ^.
set 14 X
ok
# CHECK: cmd ok SelectItem 0x10000003
# CHECK-NEXT: cmd ok Rename Xック
# CHECK-NEXT: cmd ok StatusMsg {1.00}QB:NameReplace: Renaming...
# CHECK-NEXT: cmd ok StatusMsg QB:NameReplace: Done(1).
# CHECK-NEXT: cmd ok SelectItem 0x10000003
# CHECK-NEXT: panel close "QB:NameReplace(1.00) "
