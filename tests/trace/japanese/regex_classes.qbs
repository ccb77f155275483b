# Character classes on a Japanese host read ASCII only, on every platform: a
# double-byte character (level-1 kanji 亜, level-2 kanji 弌, hiragana, a
# full-width letter) and a half-width katakana are never word characters,
# letters or digits, so \w, \b and [[:alpha:]] take the ASCII part of each
# name alone.  (A C runtime asked about the wide engine's characters calls
# some of them letters.)
locale 1041
null 亜_1
null 弌_1
null ｱ_1
null あ_1
null Ａ_1
activate QB:NameReplace
# CHECK-NEXT: panel open "QB:NameReplace(1.00) " flags=3
set 1 2
set 7 4
set 13 \w+
set 14 X
ok
# CHECK-NEXT: cmd ok SelectItem 0x10000000
# CHECK-NEXT: cmd ok Rename 亜X
# CHECK-NEXT: cmd ok StatusMsg {0.00}QB:NameReplace: Renaming...
# CHECK-NEXT: cmd ok SelectItem 0x10000001
# CHECK-NEXT: cmd ok Rename 弌X
# CHECK-NEXT: cmd ok StatusMsg {0.25}QB:NameReplace: Renaming...
# CHECK-NEXT: cmd ok SelectItem 0x10000002
# CHECK-NEXT: cmd ok Rename ｱX
# CHECK-NEXT: cmd ok StatusMsg {0.50}QB:NameReplace: Renaming...
# CHECK-NEXT: cmd ok SelectItem 0x10000003
# CHECK-NEXT: cmd ok Rename あX
# CHECK-NEXT: cmd ok StatusMsg {0.75}QB:NameReplace: Renaming...
# CHECK-NEXT: cmd ok SelectItem 0x10000004
# CHECK-NEXT: cmd ok Rename ＡX
# CHECK-NEXT: cmd ok StatusMsg {1.00}QB:NameReplace: Renaming...
# CHECK-NEXT: cmd ok StatusMsg QB:NameReplace: Done(5).
# CHECK-NEXT: panel close "QB:NameReplace(1.00) "
# CHECK-NEXT: panel destroy "QB:NameReplace(1.00) "
# CHECK-NEXT: result 0
activate QB:NameReplace
# CHECK-NEXT: panel open "QB:NameReplace(1.00) " flags=3
set 13 \bX
set 14 Y
ok
# CHECK-NEXT: cmd ok SelectItem 0x10000000
# CHECK-NEXT: cmd ok Rename 亜Y
# CHECK-NEXT: cmd ok StatusMsg {0.00}QB:NameReplace: Renaming...
# CHECK-NEXT: cmd ok SelectItem 0x10000001
# CHECK-NEXT: cmd ok Rename 弌Y
# CHECK-NEXT: cmd ok StatusMsg {0.25}QB:NameReplace: Renaming...
# CHECK-NEXT: cmd ok SelectItem 0x10000002
# CHECK-NEXT: cmd ok Rename ｱY
# CHECK-NEXT: cmd ok StatusMsg {0.50}QB:NameReplace: Renaming...
# CHECK-NEXT: cmd ok SelectItem 0x10000003
# CHECK-NEXT: cmd ok Rename あY
# CHECK-NEXT: cmd ok StatusMsg {0.75}QB:NameReplace: Renaming...
# CHECK-NEXT: cmd ok SelectItem 0x10000004
# CHECK-NEXT: cmd ok Rename ＡY
# CHECK-NEXT: cmd ok StatusMsg {1.00}QB:NameReplace: Renaming...
# CHECK-NEXT: cmd ok StatusMsg QB:NameReplace: Done(5).
# CHECK-NEXT: cmd ok SelectItem 0x10000004
# CHECK-NEXT: panel close "QB:NameReplace(1.00) "
# CHECK-NEXT: panel destroy "QB:NameReplace(1.00) "
# CHECK-NEXT: result 0
activate QB:NameReplace
# CHECK-NEXT: panel open "QB:NameReplace(1.00) " flags=3
set 13 [[:alpha:]\d]+
set 14 Z
ok
# CHECK-NEXT: cmd ok SelectItem 0x10000000
# CHECK-NEXT: cmd ok Rename 亜Z
# CHECK-NEXT: cmd ok StatusMsg {0.00}QB:NameReplace: Renaming...
# CHECK-NEXT: cmd ok SelectItem 0x10000001
# CHECK-NEXT: cmd ok Rename 弌Z
# CHECK-NEXT: cmd ok StatusMsg {0.25}QB:NameReplace: Renaming...
# CHECK-NEXT: cmd ok SelectItem 0x10000002
# CHECK-NEXT: cmd ok Rename ｱZ
# CHECK-NEXT: cmd ok StatusMsg {0.50}QB:NameReplace: Renaming...
# CHECK-NEXT: cmd ok SelectItem 0x10000003
# CHECK-NEXT: cmd ok Rename あZ
# CHECK-NEXT: cmd ok StatusMsg {0.75}QB:NameReplace: Renaming...
# CHECK-NEXT: cmd ok SelectItem 0x10000004
# CHECK-NEXT: cmd ok Rename ＡZ
# CHECK-NEXT: cmd ok StatusMsg {1.00}QB:NameReplace: Renaming...
# CHECK-NEXT: cmd ok StatusMsg QB:NameReplace: Done(5).
# CHECK-NEXT: cmd ok SelectItem 0x10000004
# CHECK-NEXT: panel close "QB:NameReplace(1.00) "
# CHECK-NEXT: panel destroy "QB:NameReplace(1.00) "
# CHECK-NEXT: result 0
print scene
# CHECK-NEXT: scene items=5 parent-in-place=off
# CHECK-NEXT: 0x10000000 null "亜Z" parent=none display=6 active file="" layer=0 children=none
# CHECK-NEXT: 0x10000001 null "弌Z" parent=none display=6 active file="" layer=0 children=none
# CHECK-NEXT: 0x10000002 null "ｱZ" parent=none display=6 active file="" layer=0 children=none
# CHECK-NEXT: 0x10000003 null "あZ" parent=none display=6 active file="" layer=0 children=none
# CHECK-NEXT: 0x10000004 null "ＡZ" parent=none display=6 active file="" layer=0 children=none
