# Damaged scenes load what can be loaded; each problem is reported once, in
# line order, with its line.
# -- cut off inside an envelope
load malformed/truncated.lws
# CHECK-NEXT: warning malformed/truncated.lws:7: object file not found: Objects/Gone.lwo
# CHECK-NEXT: warning malformed/truncated.lws:12: block not closed at the end of the file
print scene
# CHECK-NEXT: scene items=2 parent-in-place=off
# CHECK-NEXT: 0x10000000 null "Root" parent=none display=6 active file="" layer=0 children=none
# CHECK-NEXT: 0x10000001 mesh "Gone" parent=none display=6 active file="Objects/Gone.lwo" layer=1 children=none
# -- a version this host does not know: read as the nearest one
load malformed/version9.lws
# CHECK-NEXT: warning malformed/version9.lws:2: unknown version 9; read as version 5
print scene
# CHECK-NEXT: scene items=2 parent-in-place=off
# CHECK-NEXT: 0x10000000 null "Root" parent=none display=6 active file="" layer=0 children=0x20000000
# CHECK-NEXT: 0x20000000 light "Sun" parent=0x10000000 visible=1 active children=none
# -- parents that do not exist, a loop, an item number that is not one
load malformed/bad_parents.lws
# CHECK-NEXT: warning malformed/bad_parents.lws:5: ParentItem names no item of this scene: 10000007
# CHECK-NEXT: warning malformed/bad_parents.lws:11: ParentItem 10000001 would make the item its own ancestor
# CHECK-NEXT: warning malformed/bad_parents.lws:15: ParentItem needs an item number: nonsense
print scene
# CHECK-NEXT: scene items=4 parent-in-place=off
# CHECK-NEXT: 0x10000000 null "A" parent=none display=6 active file="" layer=0 children=none
# CHECK-NEXT: 0x10000001 null "B" parent=0x10000002 display=6 active file="" layer=0 children=none
# CHECK-NEXT: 0x10000002 null "C" parent=none display=6 active file="" layer=0 children=0x10000001
# CHECK-NEXT: 0x20000000 light "L" parent=none visible=1 active children=none
# -- object files that cannot be found, values out of range
load malformed/missing_objects.lws
# CHECK-NEXT: warning malformed/missing_objects.lws:4: object file not found: Objects/Gone.lwo
# CHECK-NEXT: warning malformed/missing_objects.lws:6: object file not found: ..\Objects\Lost.lwo
# CHECK-NEXT: warning malformed/missing_objects.lws:7: ShowObject needs a display value from 0 to 7: 9
# CHECK-NEXT: warning malformed/missing_objects.lws:10: BoneActive needs 0 or 1: 5
print scene
# CHECK-NEXT: scene items=4 parent-in-place=off
# CHECK-NEXT: 0x10000000 mesh "Gone" parent=none display=6 active file="Objects/Gone.lwo" layer=1 children=none
# CHECK-NEXT: 0x10000001 mesh "Gone (2)" parent=none display=6 active file="Objects/Gone.lwo" layer=1 children=none
# CHECK-NEXT: 0x10000002 mesh "Lost" parent=none display=6 active file="..\\Objects\\Lost.lwo" layer=2 children=0x40000002
# CHECK-NEXT: 0x40000002 bone "Hip" object=0x10000002 parent=0x10000002 visible=1 active children=none
# -- not a scene file at all: the script stops, the scene stays
load malformed/not_a_scene.lws
# CHECK-STDERR: malformed.qbs:[[@LINE-1]]: cannot load malformed/not_a_scene.lws: not a LightWave scene file (no LWSC line)
# CHECK-EXIT: 1
