# The Run button stands at x = 400 minus its label width as the host reports
# it (8 pixels a byte here): "Run" at 376; in a Japanese host, whose label is
# four bytes of Shift-JIS, at 368.  The labels and choices are those of the
# language of the activation that built the panel.
activate QB:ObjectReplacer
# CHECK: panel open "QB:ObjectReplacer(1.00) " flags=64
# CHECK-NEXT: result 0
print control 3 value
# CHECK-NEXT: control 3 value=""
locale 1041
activate QB:ObjectReplacer
# CHECK-NEXT: panel open "QB:ObjectReplacer(1.00) " flags=64
# CHECK-NEXT: result 0
print control 3 value
# CHECK-NEXT: control 3 value=""
unload
activate QB:ObjectReplacer
# CHECK-NEXT: panel open "QB:ObjectReplacer(1.00) " flags=64
# CHECK-NEXT: result 0
print control 1 2 3 label value
print control 4 label
print control 6 label x
# CHECK-NEXT: control 1 label="対象" value=0 "選択アイテム"
# CHECK-NEXT: control 2 label="モード" value=0 "ファイル指定"
# CHECK-NEXT: control 3 label="ファイル" value=""
# CHECK-NEXT: control 4 label="ディレクトリ"
# CHECK-NEXT: control 6 label="実行" x=368
