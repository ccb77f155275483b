# In a Japanese host (locale 1041) the panel shows the Japanese labels and
# lists.  The panel is built once, so after an activation in an English host
# it still holds the Japanese texts (printed here with the Japanese locale
# again, so that they read as text).
locale 1041
activate QB:ItemVisible
# CHECK: panel open "QB:ItemVisible(1.00) " flags=64
# CHECK-NEXT: result 0
print control 1 label value
print control 2 5 8 9 13 14 15 18 19 20 23 24 25 28 29 30 31 33 34 label
print control 6 7 11 12 16 17 21 22 26 27 value
# CHECK-NEXT: control 1 label="対象" value=2 "選択アイテムと子孫"
# CHECK-NEXT: control 2 label="種類"
# CHECK-NEXT: control 5 label="メッシュ"
# CHECK-NEXT: control 8 label="表示"
# CHECK-NEXT: control 9 label="非表示"
# CHECK-NEXT: control 13 label="表示"
# CHECK-NEXT: control 14 label="非表示"
# CHECK-NEXT: control 15 label="ボーン"
# CHECK-NEXT: control 18 label="表示"
# CHECK-NEXT: control 19 label="非表示"
# CHECK-NEXT: control 20 label="カメラ"
# CHECK-NEXT: control 23 label="表示"
# CHECK-NEXT: control 24 label="非表示"
# CHECK-NEXT: control 25 label="ライト"
# CHECK-NEXT: control 28 label="表示"
# CHECK-NEXT: control 29 label="非表示"
# CHECK-NEXT: control 30 label="すべて表示"
# CHECK-NEXT: control 31 label="すべて非表示"
# CHECK-NEXT: control 33 label="閉じる"
# CHECK-NEXT: control 34 label="実行"
# CHECK-NEXT: control 6 value=1 "◇Hidden"
# CHECK-NEXT: control 7 value=1 "○Off"
# CHECK-NEXT: control 11 value=1 "◇Hidden"
# CHECK-NEXT: control 12 value=1 "○Off"
# CHECK-NEXT: control 16 value=1 "○Hidden"
# CHECK-NEXT: control 17 value=1 "○Off"
# CHECK-NEXT: control 21 value=0 "そのまま"
# CHECK-NEXT: control 22 value=0 "そのまま"
# CHECK-NEXT: control 26 value=0 "そのまま"
# CHECK-NEXT: control 27 value=0 "そのまま"
press 33
# CHECK-NEXT: panel close "QB:ItemVisible(1.00) "
locale 1033
activate QB:ItemVisible
# CHECK-NEXT: panel front "QB:ItemVisible(1.00) "
# CHECK-NEXT: panel open "QB:ItemVisible(1.00) " flags=64
# CHECK-NEXT: result 0
locale 1041
print control 1 label value
print control 2 5 8 9 13 14 15 18 19 20 23 24 25 28 29 30 31 33 34 label
print control 6 7 11 12 16 17 21 22 26 27 value
# CHECK-NEXT: control 1 label="対象" value=2 "選択アイテムと子孫"
# CHECK-NEXT: control 2 label="種類"
# CHECK-NEXT: control 5 label="メッシュ"
# CHECK-NEXT: control 8 label="表示"
# CHECK-NEXT: control 9 label="非表示"
# CHECK-NEXT: control 13 label="表示"
# CHECK-NEXT: control 14 label="非表示"
# CHECK-NEXT: control 15 label="ボーン"
# CHECK-NEXT: control 18 label="表示"
# CHECK-NEXT: control 19 label="非表示"
# CHECK-NEXT: control 20 label="カメラ"
# CHECK-NEXT: control 23 label="表示"
# CHECK-NEXT: control 24 label="非表示"
# CHECK-NEXT: control 25 label="ライト"
# CHECK-NEXT: control 28 label="表示"
# CHECK-NEXT: control 29 label="非表示"
# CHECK-NEXT: control 30 label="すべて表示"
# CHECK-NEXT: control 31 label="すべて非表示"
# CHECK-NEXT: control 33 label="閉じる"
# CHECK-NEXT: control 34 label="実行"
# CHECK-NEXT: control 6 value=1 "◇Hidden"
# CHECK-NEXT: control 7 value=1 "○Off"
# CHECK-NEXT: control 11 value=1 "◇Hidden"
# CHECK-NEXT: control 12 value=1 "○Off"
# CHECK-NEXT: control 16 value=1 "○Hidden"
# CHECK-NEXT: control 17 value=1 "○Off"
# CHECK-NEXT: control 21 value=0 "そのまま"
# CHECK-NEXT: control 22 value=0 "そのまま"
# CHECK-NEXT: control 26 value=0 "そのまま"
# CHECK-NEXT: control 27 value=0 "そのまま"
