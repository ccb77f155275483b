# Product and locale: major version 15 only; locale 1041 (low 16 bits) is Japanese.
mesh Cube
locale 0x10411
activate QB:ItemTools
# CHECK: panel open "QB:ItemTools(1.00) " flags=64
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
close
activate QB:SelectItem Nothing*
# CHECK-NEXT: cmd ok StatusMsg {1.0} No items found!
# CHECK-NEXT: result 0
print status
# CHECK-NEXT: status {1.0} No items found!
