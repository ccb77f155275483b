# In a Japanese host (locale 1041) the panel shows the Japanese labels and
# lists.  The panel is built once, so after an activation in an English host
# it still holds the Japanese texts (printed here with the Japanese locale
# again, so that they read as text).
locale 1041
activate QB:ItemVisible
# CHECK-NEXT: panel open "QB:ItemVisible(1.00) " flags=64
# CHECK-NEXT: result 0
print panel
# CHECK-NEXT: panel "QB:ItemVisible(1.00) " open flags=64 width=408 height=220 controls=34
# CHECK-NEXT:   1 PopupControl "対象" x=43 y=10 value=2 "選択アイテムと子孫" normal
# CHECK-NEXT:   2 TextControl "種類" x=5 y=40 value=0 normal
# CHECK-NEXT:   3 TextControl "Visible" x=79 y=40 value=0 normal
# CHECK-NEXT:   4 TextControl "Active" x=227 y=40 value=0 normal
# CHECK-NEXT:   5 BoolButtonControl "メッシュ" x=5 y=60 value=1 normal
# CHECK-NEXT:   6 PopupControl "" x=69 y=60 value=1 "◇Hidden" normal
# CHECK-NEXT:   7 PopupControl "" x=219 y=60 value=1 "○Off" normal
# CHECK-NEXT:   8 ButtonControl "表示" x=301 y=60 value=0 normal
# CHECK-NEXT:   9 ButtonControl "非表示" x=351 y=60 value=0 normal
# CHECK-NEXT:   10 BoolButtonControl "Null" x=5 y=80 value=1 normal
# CHECK-NEXT:   11 PopupControl "" x=69 y=80 value=1 "◇Hidden" normal
# CHECK-NEXT:   12 PopupControl "" x=219 y=80 value=1 "○Off" normal
# CHECK-NEXT:   13 ButtonControl "表示" x=301 y=80 value=0 normal
# CHECK-NEXT:   14 ButtonControl "非表示" x=351 y=80 value=0 normal
# CHECK-NEXT:   15 BoolButtonControl "ボーン" x=5 y=100 value=1 normal
# CHECK-NEXT:   16 PopupControl "" x=69 y=100 value=1 "○Hidden" normal
# CHECK-NEXT:   17 PopupControl "" x=219 y=100 value=1 "○Off" erased
# CHECK-NEXT:   18 ButtonControl "表示" x=301 y=100 value=0 normal
# CHECK-NEXT:   19 ButtonControl "非表示" x=351 y=100 value=0 normal
# CHECK-NEXT:   20 BoolButtonControl "カメラ" x=5 y=120 value=0 normal
# CHECK-NEXT:   21 PopupControl "" x=69 y=120 value=0 "そのまま" ghosted
# CHECK-NEXT:   22 PopupControl "" x=219 y=120 value=0 "そのまま" ghosted
# CHECK-NEXT:   23 ButtonControl "表示" x=301 y=120 value=0 ghosted
# CHECK-NEXT:   24 ButtonControl "非表示" x=351 y=120 value=0 ghosted
# CHECK-NEXT:   25 BoolButtonControl "ライト" x=5 y=140 value=0 normal
# CHECK-NEXT:   26 PopupControl "" x=69 y=140 value=0 "そのまま" ghosted
# CHECK-NEXT:   27 PopupControl "" x=219 y=140 value=0 "そのまま" ghosted
# CHECK-NEXT:   28 ButtonControl "表示" x=301 y=140 value=0 ghosted
# CHECK-NEXT:   29 ButtonControl "非表示" x=351 y=140 value=0 ghosted
# CHECK-NEXT:   30 ButtonControl "すべて表示" x=5 y=170 value=0 normal
# CHECK-NEXT:   31 ButtonControl "すべて非表示" x=125 y=170 value=0 normal
# CHECK-NEXT:   32 BorderControl "" x=5 y=200 value=0 normal
# CHECK-NEXT:   33 ButtonControl "閉じる" x=170 y=205 value=0 normal
# CHECK-NEXT:   34 ButtonControl "実行" x=280 y=205 value=0 normal
press 33
# CHECK-NEXT: panel close "QB:ItemVisible(1.00) "
locale 1033
activate QB:ItemVisible
# CHECK-NEXT: panel front "QB:ItemVisible(1.00) "
# CHECK-NEXT: panel open "QB:ItemVisible(1.00) " flags=64
# CHECK-NEXT: result 0
locale 1041
print control 1 5 label
# CHECK-NEXT: control 1 label="対象"
# CHECK-NEXT: control 5 label="メッシュ"
