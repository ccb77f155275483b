# The Run button stands at x = 400 minus its label width as the host reports
# it (8 pixels a byte here): "Run" at 376; in a Japanese host, whose label is
# four bytes of Shift-JIS, at 368.  The labels and choices are those of the
# language of the activation that built the panel.
activate QB:ObjectReplacer
# CHECK-NEXT: panel open "QB:ObjectReplacer(1.00) " flags=64
# CHECK-NEXT: result 0
print control 6 label x
# CHECK-NEXT: control 6 label="Run" x=376
locale 1041
activate QB:ObjectReplacer
# CHECK-NEXT: panel open "QB:ObjectReplacer(1.00) " flags=64
# CHECK-NEXT: result 0
print control 6 label x
# CHECK-NEXT: control 6 label="Run" x=376
# the panel is built once: the Japanese layout only after an unload
unload
activate QB:ObjectReplacer
# CHECK-NEXT: panel open "QB:ObjectReplacer(1.00) " flags=64
# CHECK-NEXT: result 0
print panel
# CHECK-NEXT: panel "QB:ObjectReplacer(1.00) " open flags=64 width=280 height=165 controls=6
# CHECK-NEXT:   1 PopupControl "対象" x=50 y=0 value=0 "選択アイテム" normal
# CHECK-NEXT:   2 ChoiceControl "モード" x=43 y=25 value=0 "ファイル指定" normal
# CHECK-NEXT:   3 FileControl "ファイル" x=34 y=60 value="" normal
# CHECK-NEXT:   4 DirControl "ディレクトリ" x=18 y=85 value="" ghosted
# CHECK-NEXT:   5 BorderControl "" x=5 y=125 value=0 normal
# CHECK-NEXT:   6 ButtonControl "実行" x=368 y=130 value=0 normal
