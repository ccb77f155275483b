# Every tool on a Japanese Windows (code page 932) with Layout's interface in
# English (locale 1033): names, patterns and paths reach the module in
# Shift-JIS and are read by whole characters (親 0x90 0x65 is not 職
# 0x90 0x45; 右* never takes 影 0x89 0x65), and the module's own texts are
# English.  The folders and the mesh test: folders.qbs, mesh_paths.qbs.
locale 1033
null 職
null 親
null 右腕
null 右脚
light 影ライト
mesh 部品:ボディ Objects\部品.lwo parent=親
# -- QB:SelectItem
activate QB:SelectItem 親
# CHECK: cmd ok SelectItem 0x10000001
# CHECK-NEXT: result 0
activate QB:SelectItem 右*
# CHECK-NEXT: cmd ok SelectItem 0x10000003
# CHECK-NEXT: cmd ok AddToSelection 0x10000002
# CHECK-NEXT: result 0
activate QB:SelectItem 表
# CHECK-NEXT: cmd ok StatusMsg {1.0} No items found!
# CHECK-NEXT: result 0
# -- QB:SelectBranch: 親 and the object below it
activate QB:SelectBranch 親
# CHECK-NEXT: cmd ok SelectItem 0x10000001
# CHECK-NEXT: cmd ok AddToSelection 0x10000004
# CHECK-NEXT: result 0
# -- QB:ToggleVisible: 右* hides and deactivates the two arms
activate QB:ToggleVisible 右*
# CHECK-NEXT: cmd ok SelectItem 0x10000002
# CHECK-NEXT: cmd ok ItemVisibility 0
# CHECK-NEXT: cmd ok SelectItem 0x10000002
# CHECK-NEXT: cmd ok ItemActive
# CHECK-NEXT: cmd ok SelectItem 0x10000003
# CHECK-NEXT: cmd ok ItemVisibility 0
# CHECK-NEXT: cmd ok SelectItem 0x10000003
# CHECK-NEXT: cmd ok ItemActive
# CHECK-NEXT: cmd ok SelectItem 0x10000004
# CHECK-NEXT: cmd ok AddToSelection 0x10000001
# CHECK-NEXT: result 0
# -- QB:ItemTools: 右腕 under the parent named 親; 表 names no item
select 右腕
activate QB:ItemTools
# CHECK-NEXT: panel open "QB:ItemTools(1.00) " flags=64
# CHECK-NEXT: result 0
print control 3 label
# CHECK-NEXT: control 3 label="Parent Item"
set 3 親
press 6
# CHECK-NEXT: cmd ok ParentItem 0x10000001
# CHECK-NEXT: cmd ok RefreshNow
set 3 表
press 6
# CHECK-NEXT: cmd ok StatusMsg {1.0} Parent item not found!
close
# -- QB:ObjectReplacer: a file with a Japanese name, whose first layer ボディ
# -- replaces 部品:ボディ
select 部品:ボディ
activate QB:ObjectReplacer
# CHECK-NEXT: panel open "QB:ObjectReplacer(1.00) " flags=64
# CHECK-NEXT: result 0
set 2 0
set 3 部品.lwo
press 6
# CHECK-NEXT: cmd ok SelectItem 0x10000004
# CHECK-NEXT: cmd ok ReplaceObjectLayer 1 部品.lwo
# CHECK-NEXT: cmd ok StatusMsg {1.00}ReplaceObjectLayer...
# CHECK-NEXT: cmd ok StatusMsg {1.00}ReplaceObjectLayer...Done
# CHECK-NEXT: panel open "Result" flags=1
print panel Result
# CHECK-NEXT: panel "Result" open flags=1 width=610 height=320 controls=1
# CHECK-NEXT:   1 MultiListBoxControl "" x=5 y=0 value=0 normal rows=1 columns=220,20,320,40
# CHECK-NEXT:     heading "Item" "Layer" "File" "Result"
# CHECK-NEXT:     row 0 "部品:ボディ" "1" "部品.lwo" "v"
close
# CHECK-NEXT: panel destroy "Result"
# CHECK-NEXT: cmd ok SelectItem 0x10000004
# CHECK-NEXT: panel close "QB:ObjectReplacer(1.00) "
print scene
# CHECK-NEXT: scene items=6 parent-in-place=off
# CHECK-NEXT: 0x10000000 null "職" parent=none display=6 active file="" layer=0 children=none
# CHECK-NEXT: 0x10000001 null "親" parent=none display=6 active file="" layer=0 children=0x10000004,0x10000002
# CHECK-NEXT: 0x10000002 null "右腕" parent=0x10000001 display=0 inactive file="" layer=0 children=none
# CHECK-NEXT: 0x10000003 null "右脚" parent=none display=0 inactive file="" layer=0 children=none
# CHECK-NEXT: 0x10000004 mesh "部品:ボディ" parent=0x10000001 display=6 active file="部品.lwo" layer=1 children=none
# CHECK-NEXT: 0x20000000 light "影ライト" parent=none visible=1 active children=none
