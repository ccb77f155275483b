# The rename tool's Regular Expression mode on a Japanese host: patterns with
# Japanese characters compile whatever their second bytes (ボ ends in {, ソ in
# \), and a match never starts or ends inside a character (キ is 0x83 0x4C).
locale 1041
null ボーン_L
null ソ
null キック_L
null コック
echo -- ボ replaced by ポ
select ボーン_L
activate QB:NameReplace
set 7 4
set 13 ボ
set 14 ポ
ok
echo -- ソ replaced by タ
select ソ
activate QB:NameReplace
set 13 ソ
set 14 タ
ok
echo -- L replaced by R: the letter, not the second byte of キ
select キック_L
activate QB:NameReplace
set 13 L
set 14 R
ok
echo -- ^. replaced by X takes the whole first character
select コック
activate QB:NameReplace
set 13 ^.
set 14 X
ok
print scene
