# Item tools panel on a Japanese host: labels and messages in Japanese, except
# "No items found!".  The labels stay those of the first activation.
generation 2018
locale 1041
mesh Body
activate QB:ItemTools
# CHECK-NEXT: panel open "QB:ItemTools(1.00) " flags=64
# CHECK-NEXT: result 0
print panel
# CHECK-NEXT: panel "QB:ItemTools(1.00) " open flags=64 width=320 height=384 controls=20
# CHECK-NEXT:   1 BorderControl "" x=0 y=0 value=0 normal
# CHECK-NEXT:   2 TextControl "選択を指定したアイテムの子にする" x=2 y=4 value=0 normal
# CHECK-NEXT:   3 EditControl "親アイテム" x=0 y=32 value="" normal
# CHECK-NEXT:   4 ButtonControl "\x03(i:MIMG_LEFTARROW)" x=292 y=32 value=0 normal
# CHECK-NEXT:   5 BoolControl "その場で" x=80 y=56 value=0 normal
# CHECK-NEXT:   6 ButtonControl "実行" x=230 y=80 value=0 normal
# CHECK-NEXT:   7 BorderControl "" x=0 y=108 value=0 normal
# CHECK-NEXT:   8 TextControl "選択したアイテムの親を外す" x=2 y=112 value=0 normal
# CHECK-NEXT:   9 ButtonControl "実行" x=230 y=140 value=0 normal
# CHECK-NEXT:   10 BorderControl "" x=0 y=168 value=0 normal
# CHECK-NEXT:   11 TextControl "名前でアイテムを選択" x=2 y=172 value=0 normal
# CHECK-NEXT:   12 EditControl "アイテム名" x=0 y=200 value="" normal
# CHECK-NEXT:   13 ButtonControl "\x03(i:MIMG_LEFTARROW)" x=292 y=200 value=0 normal
# CHECK-NEXT:   14 TextControl "(ワイルドカードが使えます)" x=80 y=224 value=0 normal
# CHECK-NEXT:   15 ButtonControl "実行" x=230 y=248 value=0 normal
# CHECK-NEXT:   16 BorderControl "" x=0 y=276 value=0 normal
# CHECK-NEXT:   17 TextControl "選択アイテムとその子孫を選択" x=2 y=280 value=0 normal
# CHECK-NEXT:   18 ButtonControl "実行" x=230 y=308 value=0 normal
# CHECK-NEXT:   19 BorderControl "" x=0 y=348 value=0 normal
# CHECK-NEXT:   20 ButtonControl "閉じる" x=120 y=352 value=0 normal
set 3 Nobody
press 6
# CHECK-NEXT: cmd ok StatusMsg {1.0} 親アイテムが見つかりません！
select Body
set 3 body
press 6
# CHECK-NEXT: cmd ok StatusMsg {1.0} 選択に親アイテムが含まれます！
set 12 Nothing
press 15
# CHECK-NEXT: cmd ok StatusMsg {1.0} No items found!
# -- an English host later: messages follow it, the labels do not
press 20
# CHECK-NEXT: panel close "QB:ItemTools(1.00) "
locale 1033
activate QB:ItemTools
# CHECK-NEXT: panel open "QB:ItemTools(1.00) " flags=64
# CHECK-NEXT: result 0
set 3 Nobody
press 6
# CHECK-NEXT: cmd ok StatusMsg {1.0} Parent item not found!
print control 2 5 6 8 9 11 14 15 17 18 20 label
print control 3 12 label x value
# CHECK-NEXT: control 2 label="\x91I\x91\xF0\x82\xF0\x8Ew\x92\xE8\x82\xB5\x82\xBD\x83A\x83C\x83e\x83\x80\x82\xCC\x8Eq\x82\xC9\x82\xB7\x82\xE9"
# CHECK-NEXT: control 5 label="\x82\xBB\x82\xCC\x8F\xEA\x82\xC5"
# CHECK-NEXT: control 6 label="\x8E\xC0\x8Ds"
# CHECK-NEXT: control 8 label="\x91I\x91\xF0\x82\xB5\x82\xBD\x83A\x83C\x83e\x83\x80\x82\xCC\x90e\x82\xF0\x8AO\x82\xB7"
# CHECK-NEXT: control 9 label="\x8E\xC0\x8Ds"
# CHECK-NEXT: control 11 label="\x96\xBC\x91O\x82\xC5\x83A\x83C\x83e\x83\x80\x82\xF0\x91I\x91\xF0"
# CHECK-NEXT: control 14 label="(\x83\x8F\x83C\x83\x8B\x83h\x83J\x81[\x83h\x82\xAA\x8Eg\x82\xA6\x82\xDC\x82\xB7)"
# CHECK-NEXT: control 15 label="\x8E\xC0\x8Ds"
# CHECK-NEXT: control 17 label="\x91I\x91\xF0\x83A\x83C\x83e\x83\x80\x82\xC6\x82\xBB\x82\xCC\x8Eq\x91\xB7\x82\xF0\x91I\x91\xF0"
# CHECK-NEXT: control 18 label="\x8E\xC0\x8Ds"
# CHECK-NEXT: control 20 label="\x95\xC2\x82\xB6\x82\xE9"
# CHECK-NEXT: control 3 label="\x90e\x83A\x83C\x83e\x83\x80" x=0 value="Nobody"
# CHECK-NEXT: control 12 label="\x83A\x83C\x83e\x83\x80\x96\xBC" x=0 value="Nothing"
