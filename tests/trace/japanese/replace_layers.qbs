# The object replacer on a Japanese host pairs items with layers of Japanese
# names (Shift-JIS in the file as in the scene): 車:ホイール finds ホイール, the
# counter form 表:ソ (2) finds ソ, and the result list shows the Japanese names
# (the host names a replaced item after the file and the layer).
generation 2018
locale 1041
mesh 車:ホイール Objects/車.lwo
mesh "表:ソ (2)" Objects/表.lwo
mesh 車:ドア Objects/車.lwo
select 車:ホイール "表:ソ (2)" 車:ドア
activate QB:ObjectReplacer
# CHECK: panel open "QB:ObjectReplacer(1.00) " flags=64
# CHECK-NEXT: result 0
set 3 ../../data/replace/japanese.lwo
press 6
# CHECK-NEXT: cmd ok SelectItem 0x10000000
# CHECK-NEXT: cmd ok ReplaceObjectLayer 2 ../../data/replace/japanese.lwo
# CHECK-NEXT: cmd ok StatusMsg {0.00}ReplaceObjectLayer...
# CHECK-NEXT: cmd ok SelectItem 0x10000001
# CHECK-NEXT: cmd ok ReplaceObjectLayer 3 ../../data/replace/japanese.lwo
# CHECK-NEXT: cmd ok StatusMsg {0.50}ReplaceObjectLayer...
# CHECK-NEXT: cmd ok StatusMsg {1.00}ReplaceObjectLayer...
# CHECK-NEXT: cmd ok StatusMsg {1.00}ReplaceObjectLayer...Done
# CHECK-NEXT: panel open "Result" flags=1
print panel Result
# CHECK-NEXT: panel "Result" open flags=1 width=610 height=320 controls=1
# CHECK-NEXT:   1 MultiListBoxControl "" x=5 y=0 value=0 normal rows=3 columns=220,20,320,40
# CHECK-NEXT:     heading "アイテム名" "レイヤー" "ファイル名" "結果"
# CHECK-NEXT:     row 0 "japanese:ホイール" "2" "../../data/replace/japanese.lwo" "o"
# CHECK-NEXT:     row 1 "japanese:ソ" "3" "../../data/replace/japanese.lwo" "o"
# CHECK-NEXT:     row 2 "車:ドア" "-" "" "x"
close
# CHECK-NEXT: panel destroy "Result"
# CHECK-NEXT: cmd ok SelectItem 0x10000002
# CHECK-NEXT: cmd ok AddToSelection 0x10000001
# CHECK-NEXT: cmd ok AddToSelection 0x10000000
# CHECK-NEXT: panel close "QB:ObjectReplacer(1.00) "
