# On a Japanese host (locale 1041) names and patterns are Shift-JIS, and a
# Japanese character is one character to the wildcards: its second byte is
# never a letter of its own.  親 is 0x90 0x65 and 職 0x90 0x45; 右 is
# 0x89 0x45 and 影 0x89 0x65; 腕 and 脚 end in 0x72 (r).
locale 1041
null 職
null 親
null 右腕
null 右脚
null 右Arm
light 影ライト
# -- 親 is not 職 in another letter case
activate QB:SelectItem 親
# CHECK: cmd ok SelectItem 0x10000001
# CHECK-NEXT: result 0
# -- 右* takes the names that begin with 右, not 影ライト
activate QB:SelectItem 右*
# CHECK-NEXT: cmd ok SelectItem 0x10000004
# CHECK-NEXT: cmd ok AddToSelection 0x10000003
# CHECK-NEXT: cmd ok AddToSelection 0x10000002
# CHECK-NEXT: result 0
# -- single-byte letters still fold: 右a* finds 右Arm
activate QB:SelectItem 右a*
# CHECK-NEXT: cmd ok SelectItem 0x10000004
# CHECK-NEXT: result 0
# -- *R is a name ending in the letter R, never in the second byte of 腕 or 脚
activate QB:SelectItem *R
# CHECK-NEXT: cmd ok StatusMsg {1.0} No items found!
# CHECK-NEXT: result 0
# -- ? is one whole character
activate QB:SelectItem ?
# CHECK-NEXT: cmd ok SelectItem 0x10000001
# CHECK-NEXT: cmd ok AddToSelection 0x10000000
# CHECK-NEXT: result 0
activate QB:SelectItem 右?
# CHECK-NEXT: cmd ok SelectItem 0x10000003
# CHECK-NEXT: cmd ok AddToSelection 0x10000002
# CHECK-NEXT: result 0
# -- a branch from a Japanese name
activate QB:SelectBranch 影*
# CHECK-NEXT: cmd ok SelectItem 0x20000000
# CHECK-NEXT: result 0
