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
set 1 1
set 3 ../../../../shared/realdata/assimp/test/models/LWO/LWO2/hierarchy.lwo
press 6
print panel Result
close
print scene
echo -- unnamed layers stored as 1, 0, 9: the host's layer number 10 finds the last
unload
mesh Box Objects/Box.lwo layer=10
select Box
activate QB:ObjectReplacer
set 3 ../../../../shared/realdata/lwo_strut/tests/basic/src/LWO2/box/box3-uv-layers.lwo
press 6
print panel Result
close
echo -- an LWO3 file with one unnamed layer
unload
mesh Box Objects/Box.lwo
select Box
activate QB:ObjectReplacer
set 3 ../../../../shared/realdata/lwo_strut/tests/basic/src/LWO3/box/box1.lwo
press 6
print panel Result
close
echo -- an empty file, a damaged file and a directory of LWOB files: nothing to read
activate QB:ObjectReplacer
set 3 ../../../../shared/realdata/assimp/test/models/invalid/empty.lwo
press 6
activate QB:ObjectReplacer
set 3 ../../../../shared/realdata/threejs/Demo-corrupt.lwo
press 6
activate QB:ObjectReplacer
set 2 1
set 4 ../../../../shared/realdata/assimp/test/models/LWO/LWOB
press 6
print status
