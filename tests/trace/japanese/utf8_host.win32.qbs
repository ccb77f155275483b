# Windows: the folder is given and joined with backslashes, and listed and
# read through the wide-character functions.
# The 2020 generation (Layout 2020 to 2025) hands over every text in UTF-8,
# under a Japanese locale too: names, patterns, field values and paths are read
# by UTF-8 characters (キ is E3 82 AD, 右 E5 8F B3), the panels get the
# Japanese texts in UTF-8, and the commands go back through "LW Command
# Interface 2" in UTF-8 (a Shift-JIS byte would print as \xNN here).
generation 2020
locale 1041
null キック_L
null 右腕
null 右脚
light 影ライト
mesh 車:ホイール Objects/車.lwo
# -- 右* takes the names that begin with 右; ? is one whole character
activate QB:SelectItem 右*
# CHECK: cmd ok SelectItem 0x10000002
# CHECK-NEXT: cmd ok AddToSelection 0x10000001
# CHECK-NEXT: result 0
activate QB:SelectItem 右?
# CHECK-NEXT: cmd ok SelectItem 0x10000002
# CHECK-NEXT: cmd ok AddToSelection 0x10000001
# CHECK-NEXT: result 0
activate QB:SelectItem ?ライト
# CHECK-NEXT: cmd ok SelectItem 0x20000000
# CHECK-NEXT: result 0
activate QB:SelectItem ??ライト
# CHECK-NEXT: cmd ok StatusMsg {1.0} No items found!
# CHECK-NEXT: result 0
# -- L replaced by R renames キック_L to キック_R
select キック_L
activate QB:NameReplace
# CHECK-NEXT: panel open "QB:NameReplace(1.00) " flags=3
set 11 L
set 12 R
ok
# CHECK-NEXT: cmd ok SelectItem 0x10000000
# CHECK-NEXT: cmd ok Rename キック_R
# CHECK-NEXT: cmd ok StatusMsg {1.00}QB:NameReplace: Renaming...
# CHECK-NEXT: cmd ok StatusMsg QB:NameReplace: Done(1).
# CHECK-NEXT: cmd ok SelectItem 0x10000000
# CHECK: result 0
# -- a regular expression reads one character as one: ^. is キ, all three bytes
select キック_R
activate QB:NameReplace
set 7 4
set 13 ^.
set 14 X
ok
# CHECK: cmd ok SelectItem 0x10000000
# CHECK-NEXT: cmd ok Rename Xック_R
# CHECK-NEXT: cmd ok StatusMsg {1.00}QB:NameReplace: Renaming...
# CHECK-NEXT: cmd ok StatusMsg QB:NameReplace: Done(1).
# CHECK-NEXT: cmd ok SelectItem 0x10000000
# CHECK: result 0
# -- the replacer finds ホイール (UTF-8 in the file) in a file under a
# Japanese folder, listed by its UTF-8 name
select 車:ホイール
activate QB:ObjectReplacer
# CHECK: result 0
set 2 1
set 4 ..\..\data\replace\日本語
press 6
# CHECK-NEXT: cmd ok SelectItem 0x10000003
# CHECK-NEXT: cmd ok ReplaceObjectLayer 2 ..\..\data\replace\日本語\車.lwo
# CHECK-NEXT: cmd ok StatusMsg {1.00}ReplaceObjectLayer...
# CHECK-NEXT: cmd ok StatusMsg {1.00}ReplaceObjectLayer...Done
# CHECK-NEXT: panel open "Result" flags=1
close
# CHECK-NEXT: panel destroy "Result"
# CHECK-NEXT: cmd ok SelectItem 0x10000003
print scene
# CHECK-PART: mesh "車:ホイール" parent=none display=6 active file="..\\..\\data\\replace\\日本語\\車.lwo" layer=2
