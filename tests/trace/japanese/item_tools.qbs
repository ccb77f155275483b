# The item tools panel on a Japanese host: the parent is found by its whole
# characters (親 is not 職, whose second byte is the capital of 親's), the
# name field's pattern takes whole characters, and a text that fills the
# field's 512-byte buffer names no item: typed as 255 characters of two bytes
# and two letters, it reaches the module cut to 511 bytes, which are the whole
# name of another item.  Letter case is folded in ASCII only: ア (0x83 0x41)
# is not ヂ (0x83 0x61), though their second bytes are A and a.
locale 1041
null 職
null 親
null 右腕
null 右脚
light 影ライト
null あああああああああああああああああああああああああああああああああああああああああああああああああああああああああああああああああああああああああああああああああああああああああああああああああああああああああああああああああああああああああああああああああああああああああああああああああああああああああああああああああああああああああああああああああああああああああああああああああああああああああああああああああああああああああああああああああああああああああああああああああああああああああああああああx
null ヂ
null ア
null ARM
activate QB:ItemTools
# CHECK: panel open "QB:ItemTools(1.00) " flags=64
# CHECK-NEXT: result 0
# -- the parent named 親
select 右腕
set 3 親
press 6
# CHECK-NEXT: cmd ok ParentItem 0x10000001
# CHECK-NEXT: cmd ok RefreshNow
# -- a parent name that fills the field is not looked up
set 3 あああああああああああああああああああああああああああああああああああああああああああああああああああああああああああああああああああああああああああああああああああああああああああああああああああああああああああああああああああああああああああああああああああああああああああああああああああああああああああああああああああああああああああああああああああああああああああああああああああああああああああああああああああああああああああああああああああああああああああああああああああああああああああああああxy
press 6
# CHECK-NEXT: cmd ok StatusMsg {1.0} 親アイテムが見つかりません！
# -- 右* in the name field
set 12 右*
press 15
# CHECK-NEXT: cmd ok SelectItem 0x10000003
# CHECK-NEXT: cmd ok AddToSelection 0x10000002
# -- a pattern that fills the field selects nothing
set 12 あああああああああああああああああああああああああああああああああああああああああああああああああああああああああああああああああああああああああああああああああああああああああああああああああああああああああああああああああああああああああああああああああああああああああああああああああああああああああああああああああああああああああああああああああああああああああああああああああああああああああああああああああああああああああああああああああああああああああああああああああああああああああああああああx*
press 15
# CHECK-NEXT: cmd ok StatusMsg {1.0} No items found!
# -- the pick button writes the Japanese name of the last selected item
set 3 ""
select 右脚 影ライト
press 13
print control 12 value
# CHECK-NEXT: control 12 value="影ライト"
# -- ア is found, not ヂ before it; arm finds ARM
select 右腕
set 3 ア
press 6
select 右脚
set 3 arm
press 6
close
# CHECK: cmd ok ParentItem 0x10000006
# CHECK: cmd ok RefreshNow
# CHECK: cmd ok ParentItem 0x10000007
# CHECK: cmd ok RefreshNow
