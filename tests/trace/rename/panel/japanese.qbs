# Locale 1041: Japanese labels and item lists; the Null box keeps its label.
locale 1041
activate QB:NameReplace
# CHECK: panel open "QB:NameReplace(1.00) " flags=3
print control 1 7 label value
print control 2 4 5 6 label
print control 8 value
# CHECK-NEXT: control 1 label="対象" value=0 "選択アイテム"
# CHECK-NEXT: control 7 label="方法" value=3 "置き換え"
# CHECK-NEXT: control 2 label="種類"
# CHECK-NEXT: control 4 label="ボーン"
# CHECK-NEXT: control 5 label="カメラ"
# CHECK-NEXT: control 6 label="ライト"
# CHECK-NEXT: control 8 value=""
set 1 1
set 7 4
print control 1 7 label value
print control 2 4 5 6 label
print control 8 value
print control 11 12 13 14 state
# CHECK-NEXT: control 1 label="対象" value=1 "選択アイテムと子孫"
# CHECK-NEXT: control 7 label="方法" value=4 "置き換え(正規表現)"
# CHECK-NEXT: control 2 label="種類"
# CHECK-NEXT: control 4 label="ボーン"
# CHECK-NEXT: control 5 label="カメラ"
# CHECK-NEXT: control 6 label="ライト"
# CHECK-NEXT: control 8 value=""
# CHECK-NEXT: control 11 state=erased
# CHECK-NEXT: control 12 state=erased
# CHECK-NEXT: control 13 state=normal
# CHECK-NEXT: control 14 state=normal
set 1 2
set 7 0
print control 1 7 label value
print control 2 4 5 6 label
print control 8 value state
print control 11 12 13 14 state
# CHECK-NEXT: control 1 label="対象" value=2 "全部のアイテム"
# CHECK-NEXT: control 7 label="方法" value=0 "変更"
# CHECK-NEXT: control 2 label="種類"
# CHECK-NEXT: control 4 label="ボーン"
# CHECK-NEXT: control 5 label="カメラ"
# CHECK-NEXT: control 6 label="ライト"
# CHECK-NEXT: control 8 value="" state=normal
# CHECK-NEXT: control 11 state=erased
# CHECK-NEXT: control 12 state=erased
# CHECK-NEXT: control 13 state=erased
# CHECK-NEXT: control 14 state=erased
set 7 1
print control 1 7 label value
print control 2 4 5 6 label
print control 8 value
print control 9 11 12 state
# CHECK-NEXT: control 1 label="対象" value=2 "全部のアイテム"
# CHECK-NEXT: control 7 label="方法" value=1 "接頭辞"
# CHECK-NEXT: control 2 label="種類"
# CHECK-NEXT: control 4 label="ボーン"
# CHECK-NEXT: control 5 label="カメラ"
# CHECK-NEXT: control 6 label="ライト"
# CHECK-NEXT: control 8 value=""
# CHECK-NEXT: control 9 state=normal
# CHECK-NEXT: control 11 state=erased
# CHECK-NEXT: control 12 state=erased
set 7 2
print control 1 7 label value
print control 2 4 5 6 label
print control 8 value
print control 9 10 11 12 state
# CHECK-NEXT: control 1 label="対象" value=2 "全部のアイテム"
# CHECK-NEXT: control 7 label="方法" value=2 "接尾辞"
# CHECK-NEXT: control 2 label="種類"
# CHECK-NEXT: control 4 label="ボーン"
# CHECK-NEXT: control 5 label="カメラ"
# CHECK-NEXT: control 6 label="ライト"
# CHECK-NEXT: control 8 value=""
# CHECK-NEXT: control 9 state=erased
# CHECK-NEXT: control 10 state=normal
# CHECK-NEXT: control 11 state=erased
# CHECK-NEXT: control 12 state=erased
cancel
# CHECK-NEXT: panel close "QB:NameReplace(1.00) "
# CHECK-NEXT: panel destroy "QB:NameReplace(1.00) "
# CHECK-NEXT: result 0
