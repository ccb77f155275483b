# Patterns whose characters have a second byte the regular-expression engine
# would read as a brace, a bracket or a backslash: ボ is 0x83 0x7B ({), ー
# 0x81 0x5B ([), ソ 0x83 0x5C (\).  Each is one character of the pattern.
locale 1041
null ボーン
null ソ
null ソード
null ボ{2}ン
# -- ボーン names the item ボーン
activate QB:SelectItem ボーン
# CHECK: cmd ok SelectItem 0x10000000
# CHECK-NEXT: result 0
# -- ソ names only the item ソ
activate QB:SelectItem ソ
# CHECK-NEXT: cmd ok SelectItem 0x10000001
# CHECK-NEXT: result 0
# -- ソ* and ソ??
activate QB:SelectItem ソ*
# CHECK-NEXT: cmd ok SelectItem 0x10000002
# CHECK-NEXT: cmd ok AddToSelection 0x10000001
# CHECK-NEXT: result 0
activate QB:SelectItem ソ??
# CHECK-NEXT: cmd ok SelectItem 0x10000002
# CHECK-NEXT: result 0
# -- braces of the pattern itself keep their meaning: ボ{2}ン is ボボン
null ボボン
activate QB:SelectItem ボ{2}ン
# CHECK-NEXT: cmd ok SelectItem 0x10000004
# CHECK-NEXT: result 0
