# requires: realdata
# Real object files nobody here wrote.  hierarchy.lwo stores its layers as 3,
# 4, 2, 1 (ChildOfRoot0, RootOfHierarchy, GrandChildOfRoot0, ChildOfRoot1);
# each item of the hierarchy gets the layer of its own name, with the stored
# number + 1 in the command.
mesh hierarchy:RootOfHierarchy Objects/hierarchy.lwo layer=4
mesh hierarchy:ChildOfRoot0 Objects/hierarchy.lwo layer=3 parent=hierarchy:RootOfHierarchy
mesh hierarchy:GrandChildOfRoot0 Objects/hierarchy.lwo layer=2 parent=hierarchy:ChildOfRoot0
mesh hierarchy:ChildOfRoot1 Objects/hierarchy.lwo layer=1 parent=hierarchy:RootOfHierarchy
select hierarchy:RootOfHierarchy
activate QB:ObjectReplacer
# CHECK-NEXT: panel open "QB:ObjectReplacer(1.00) " flags=64
# CHECK-NEXT: result 0
set 1 1
set 3 ../../../../../shared/realdata/assimp/test/models/LWO/LWO2/hierarchy.lwo
press 6
# CHECK-NEXT: cmd ok SelectItem 0x10000000
# CHECK-NEXT: cmd ok ReplaceObjectLayer 5 ../../../../../shared/realdata/assimp/test/models/LWO/LWO2/hierarchy.lwo
# CHECK-NEXT: cmd ok StatusMsg {0.00}ReplaceObjectLayer...
# CHECK-NEXT: cmd ok SelectItem 0x10000001
# CHECK-NEXT: cmd ok ReplaceObjectLayer 4 ../../../../../shared/realdata/assimp/test/models/LWO/LWO2/hierarchy.lwo
# CHECK-NEXT: cmd ok StatusMsg {0.33}ReplaceObjectLayer...
# CHECK-NEXT: cmd ok SelectItem 0x10000002
# CHECK-NEXT: cmd ok ReplaceObjectLayer 3 ../../../../../shared/realdata/assimp/test/models/LWO/LWO2/hierarchy.lwo
# CHECK-NEXT: cmd ok StatusMsg {0.67}ReplaceObjectLayer...
# CHECK-NEXT: cmd ok SelectItem 0x10000003
# CHECK-NEXT: cmd ok ReplaceObjectLayer 2 ../../../../../shared/realdata/assimp/test/models/LWO/LWO2/hierarchy.lwo
# CHECK-NEXT: cmd ok StatusMsg {1.00}ReplaceObjectLayer...
# CHECK-NEXT: cmd ok StatusMsg {1.00}ReplaceObjectLayer...Done
# CHECK-NEXT: panel open "Result" flags=1
print panel Result
# CHECK-NEXT: panel "Result" open flags=1 width=610 height=320 controls=1
# CHECK-NEXT:   1 MultiListBoxControl "" x=5 y=0 value=0 normal rows=4 columns=220,20,320,40
# CHECK-NEXT:     heading "Item" "Layer" "File" "Result"
# CHECK-NEXT:     row 0 "hierarchy:RootOfHierarchy" "5" "../../../../../shared/realdata/assimp/test/models/LWO/LWO2/hierarchy.lwo" "v"
# CHECK-NEXT:     row 1 "hierarchy:ChildOfRoot0" "4" "../../../../../shared/realdata/assimp/test/models/LWO/LWO2/hierarchy.lwo" "v"
# CHECK-NEXT:     row 2 "hierarchy:GrandChildOfRoot0" "3" "../../../../../shared/realdata/assimp/test/models/LWO/LWO2/hierarchy.lwo" "v"
# CHECK-NEXT:     row 3 "hierarchy:ChildOfRoot1" "2" "../../../../../shared/realdata/assimp/test/models/LWO/LWO2/hierarchy.lwo" "v"
close
# CHECK-NEXT: panel destroy "Result"
# CHECK-NEXT: cmd ok SelectItem 0x10000000
# CHECK-NEXT: panel close "QB:ObjectReplacer(1.00) "
print scene
# CHECK-NEXT: scene items=4 parent-in-place=off
# CHECK-NEXT: 0x10000000 mesh "hierarchy:RootOfHierarchy" parent=none display=6 active file="../../../../../shared/realdata/assimp/test/models/LWO/LWO2/hierarchy.lwo" layer=5 children=0x10000001,0x10000003
# CHECK-NEXT: 0x10000001 mesh "hierarchy:ChildOfRoot0" parent=0x10000000 display=6 active file="../../../../../shared/realdata/assimp/test/models/LWO/LWO2/hierarchy.lwo" layer=4 children=0x10000002
# CHECK-NEXT: 0x10000002 mesh "hierarchy:GrandChildOfRoot0" parent=0x10000001 display=6 active file="../../../../../shared/realdata/assimp/test/models/LWO/LWO2/hierarchy.lwo" layer=3 children=none
# CHECK-NEXT: 0x10000003 mesh "hierarchy:ChildOfRoot1" parent=0x10000000 display=6 active file="../../../../../shared/realdata/assimp/test/models/LWO/LWO2/hierarchy.lwo" layer=2 children=none
# -- unnamed layers stored as 1, 0, 9: the host's layer number 10 finds the last
unload
mesh Box Objects/Box.lwo layer=10
select Box
activate QB:ObjectReplacer
# CHECK-NEXT: panel open "QB:ObjectReplacer(1.00) " flags=64
# CHECK-NEXT: result 0
set 3 ../../../../../shared/realdata/lwo_strut/tests/basic/src/LWO2/box/box3-uv-layers.lwo
press 6
# CHECK-NEXT: cmd ok SelectItem 0x10000004
# CHECK-NEXT: cmd ok ReplaceObjectLayer 10 ../../../../../shared/realdata/lwo_strut/tests/basic/src/LWO2/box/box3-uv-layers.lwo
# CHECK-NEXT: cmd ok StatusMsg {1.00}ReplaceObjectLayer...
# CHECK-NEXT: cmd ok StatusMsg {1.00}ReplaceObjectLayer...Done
# CHECK-NEXT: panel open "Result" flags=1
print panel Result
# CHECK-NEXT: panel "Result" open flags=1 width=610 height=320 controls=1
# CHECK-NEXT:   1 MultiListBoxControl "" x=5 y=0 value=0 normal rows=1 columns=220,20,320,40
# CHECK-NEXT:     heading "Item" "Layer" "File" "Result"
# CHECK-NEXT:     row 0 "box3-uv-layers:Layer10" "10" "../../../../../shared/realdata/lwo_strut/tests/basic/src/LWO2/box/box3-uv-layers.lwo" "v"
close
# CHECK-NEXT: panel destroy "Result"
# CHECK-NEXT: cmd ok SelectItem 0x10000004
# CHECK-NEXT: panel close "QB:ObjectReplacer(1.00) "
# -- an LWO3 file with one unnamed layer
unload
mesh Box Objects/Box.lwo
select Box
activate QB:ObjectReplacer
# CHECK-NEXT: panel open "QB:ObjectReplacer(1.00) " flags=64
# CHECK-NEXT: result 0
set 3 ../../../../../shared/realdata/lwo_strut/tests/basic/src/LWO3/box/box1.lwo
press 6
# CHECK-NEXT: cmd ok SelectItem 0x10000005
# CHECK-NEXT: cmd ok ReplaceObjectLayer 1 ../../../../../shared/realdata/lwo_strut/tests/basic/src/LWO3/box/box1.lwo
# CHECK-NEXT: cmd ok StatusMsg {1.00}ReplaceObjectLayer...
# CHECK-NEXT: cmd ok StatusMsg {1.00}ReplaceObjectLayer...Done
# CHECK-NEXT: panel open "Result" flags=1
print panel Result
# CHECK-NEXT: panel "Result" open flags=1 width=610 height=320 controls=1
# CHECK-NEXT:   1 MultiListBoxControl "" x=5 y=0 value=0 normal rows=1 columns=220,20,320,40
# CHECK-NEXT:     heading "Item" "Layer" "File" "Result"
# CHECK-NEXT:     row 0 "box1" "1" "../../../../../shared/realdata/lwo_strut/tests/basic/src/LWO3/box/box1.lwo" "v"
close
# CHECK-NEXT: panel destroy "Result"
# CHECK-NEXT: cmd ok SelectItem 0x10000005
# CHECK-NEXT: panel close "QB:ObjectReplacer(1.00) "
# -- an empty file, a damaged file and a directory of LWOB files: nothing to read
activate QB:ObjectReplacer
# CHECK-NEXT: panel open "QB:ObjectReplacer(1.00) " flags=64
# CHECK-NEXT: result 0
set 3 ../../../../../shared/realdata/assimp/test/models/invalid/empty.lwo
press 6
# CHECK-NEXT: cmd ok SelectItem 0x10000005
# CHECK-NEXT: panel close "QB:ObjectReplacer(1.00) "
activate QB:ObjectReplacer
# CHECK-NEXT: panel open "QB:ObjectReplacer(1.00) " flags=64
# CHECK-NEXT: result 0
set 3 ../../../../../shared/realdata/threejs/Demo-corrupt.lwo
press 6
# CHECK-NEXT: cmd ok SelectItem 0x10000005
# CHECK-NEXT: panel close "QB:ObjectReplacer(1.00) "
activate QB:ObjectReplacer
# CHECK-NEXT: panel open "QB:ObjectReplacer(1.00) " flags=64
# CHECK-NEXT: result 0
set 2 1
set 4 ../../../../../shared/realdata/assimp/test/models/LWO/LWOB
press 6
# CHECK-NEXT: cmd ok SelectItem 0x10000005
# CHECK-NEXT: panel close "QB:ObjectReplacer(1.00) "
print status
# CHECK-NEXT: status {1.00}ReplaceObjectLayer...Done
