# Patterns whose characters have a second byte the regular-expression engine
# would read as a brace, a bracket or a backslash: ボ is 0x83 0x7B ({), ー
# 0x81 0x5B ([), ソ 0x83 0x5C (\).  Each is one character of the pattern.
locale 1041
null ボーン
null ソ
null ソード
null ボ{2}ン
echo -- ボーン names the item ボーン
activate QB:SelectItem ボーン
print selection
echo -- ソ names only the item ソ
activate QB:SelectItem ソ
print selection
echo -- ソ* and ソ??
activate QB:SelectItem ソ*
print selection
activate QB:SelectItem ソ??
print selection
echo -- braces of the pattern itself keep their meaning: ボ{2}ン is ボボン
null ボボン
activate QB:SelectItem ボ{2}ン
print selection
