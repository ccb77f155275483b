# Under locale 1041 the module's texts are Shift-JIS: the trace decodes them,
# and the script's own names reach the module as Shift-JIS too.
generation 2018
locale 1041
null 立方体
light "キー ライト"
activate QB:SelectItem 立方*
# CHECK-NEXT: cmd ok SelectItem 0x10000000
# CHECK-NEXT: result 0
print selection
# CHECK-NEXT: selection 0x10000000
activate QB:ItemTools
# CHECK-NEXT: panel open "QB:ItemTools(1.00) " flags=64
# CHECK-NEXT: result 0
set 3 存在しない
press 6
# CHECK-NEXT: cmd ok StatusMsg {1.0} 親アイテムが見つかりません！
print status
# CHECK-NEXT: status {1.0} 親アイテムが見つかりません！
close
print scene
# CHECK-NEXT: scene items=2 parent-in-place=off
# CHECK-NEXT: 0x10000000 null "立方体" parent=none display=6 active file="" layer=0 children=none
# CHECK-NEXT: 0x20000000 light "キー ライト" parent=none visible=1 active children=none
# -- under another locale the same bytes print as \xNN
locale 1033
print scene
# CHECK-NEXT: scene items=2 parent-in-place=off
# CHECK-NEXT: 0x10000000 null "\x97\xA7\x95\xFB\x91\xCC" parent=none display=6 active file="" layer=0 children=none
# CHECK-NEXT: 0x20000000 light "\x83L\x81[ \x83\x89\x83C\x83g" parent=none visible=1 active children=none
