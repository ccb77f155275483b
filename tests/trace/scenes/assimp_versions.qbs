# requires: realdata
# The same small scene (a cube, a light, a camera) in versions 5, 3 and 2:
# baked item numbers on the declaration lines, LoadObjectLayer without them,
# and version 2's LoadObject.  ShowObject 7 -1 r g b gives display mode 7.
load ../../../../shared/realdata/assimp/test/models/LWS/move_x.lws
print scene
# CHECK-NEXT: scene items=3 parent-in-place=off
# CHECK-NEXT: 0x10000000 mesh "simple_cube" parent=none display=7 active file="../../../../shared/realdata/assimp/test/models/LWS/simple_cube.lwo" layer=1 children=none
# CHECK-NEXT: 0x20000000 light "Light" parent=none visible=1 active children=none
# CHECK-NEXT: 0x30000000 camera "Camera" parent=none visible=1 active children=none
load ../../../../shared/realdata/assimp/test/models/LWS/move_x_oldformat_6.lws
print scene
# CHECK-NEXT: scene items=3 parent-in-place=off
# CHECK-NEXT: 0x10000000 mesh "simple_cube" parent=none display=7 active file="../../../../shared/realdata/assimp/test/models/LWS/simple_cube.lwo" layer=1 children=none
# CHECK-NEXT: 0x20000000 light "Light" parent=none visible=1 active children=none
# CHECK-NEXT: 0x30000000 camera "Camera" parent=none visible=1 active children=none
load ../../../../shared/realdata/assimp/test/models/LWS/move_x_oldformat_56.lws
print scene
# CHECK-NEXT: scene items=3 parent-in-place=off
# CHECK-NEXT: 0x10000000 mesh "simple_cube" parent=none display=7 active file="../../../../shared/realdata/assimp/test/models/LWS/simple_cube.lwo" layer=1 children=none
# CHECK-NEXT: 0x20000000 light "Light" parent=none visible=1 active children=none
# CHECK-NEXT: 0x30000000 camera "Camera" parent=none visible=1 active children=none
