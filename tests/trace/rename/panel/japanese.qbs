# Locale 1041: Japanese labels and item lists; the Null box keeps its label.
locale 1041
activate QB:NameReplace
# CHECK-NEXT: panel open "QB:NameReplace(1.00) " flags=3
print panel
# CHECK-NEXT: panel "QB:NameReplace(1.00) " open flags=3 width=320 height=170 controls=14
# CHECK-NEXT:   1 PopupControl "対象" x=50 y=0 value=0 "選択アイテム" normal
# CHECK-NEXT:   2 TextControl "種類" x=45 y=30 value=0 normal
# CHECK-NEXT:   3 BoolButtonControl "Null" x=80 y=30 value=1 normal
# CHECK-NEXT:   4 BoolButtonControl "ボーン" x=130 y=30 value=1 normal
# CHECK-NEXT:   5 BoolButtonControl "カメラ" x=180 y=30 value=0 normal
# CHECK-NEXT:   6 BoolButtonControl "ライト" x=230 y=30 value=0 normal
# CHECK-NEXT:   7 PopupControl "方法" x=50 y=60 value=3 "置き換え" normal
# CHECK-NEXT:   8 EditControl "" x=74 y=80 value="" erased
# CHECK-NEXT:   9 EditControl "" x=74 y=80 value="" erased
# CHECK-NEXT:   10 EditControl "" x=74 y=80 value="" erased
# CHECK-NEXT:   11 EditControl "" x=74 y=80 value="_L_" normal
# CHECK-NEXT:   12 EditControl "" x=74 y=100 value="_R_" normal
# CHECK-NEXT:   13 EditControl "" x=74 y=80 value="_[Ll]_" erased
# CHECK-NEXT:   14 EditControl "" x=74 y=100 value="_R_" erased
set 1 1
set 7 4
print control 1 7 value
print control 11 12 13 14 state
# CHECK-NEXT: control 1 value=1 "選択アイテムと子孫"
# CHECK-NEXT: control 7 value=4 "置き換え(正規表現)"
# CHECK-NEXT: control 11 state=erased
# CHECK-NEXT: control 12 state=erased
# CHECK-NEXT: control 13 state=normal
# CHECK-NEXT: control 14 state=normal
set 1 2
set 7 0
print control 1 7 value
print control 8 11 12 13 14 state
# CHECK-NEXT: control 1 value=2 "全部のアイテム"
# CHECK-NEXT: control 7 value=0 "変更"
# CHECK-NEXT: control 8 state=normal
# CHECK-NEXT: control 11 state=erased
# CHECK-NEXT: control 12 state=erased
# CHECK-NEXT: control 13 state=erased
# CHECK-NEXT: control 14 state=erased
set 7 1
print control 1 7 value
print control 8 9 11 12 state
# CHECK-NEXT: control 1 value=2 "全部のアイテム"
# CHECK-NEXT: control 7 value=1 "接頭辞"
# CHECK-NEXT: control 8 state=erased
# CHECK-NEXT: control 9 state=normal
# CHECK-NEXT: control 11 state=erased
# CHECK-NEXT: control 12 state=erased
set 7 2
print control 1 7 value
print control 9 10 11 12 state
# CHECK-NEXT: control 1 value=2 "全部のアイテム"
# CHECK-NEXT: control 7 value=2 "接尾辞"
# CHECK-NEXT: control 9 state=erased
# CHECK-NEXT: control 10 state=normal
# CHECK-NEXT: control 11 state=erased
# CHECK-NEXT: control 12 state=erased
cancel
# CHECK-NEXT: panel close "QB:NameReplace(1.00) "
# CHECK-NEXT: panel destroy "QB:NameReplace(1.00) "
# CHECK-NEXT: result 0
