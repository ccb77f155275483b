# requires: realdata
# The same small scene (a cube, a light, a camera) in versions 5, 3 and 2:
# baked item numbers on the declaration lines, LoadObjectLayer without them,
# and version 2's LoadObject.  ShowObject 7 -1 r g b gives display mode 7.
load ../../../../shared/realdata/assimp/test/models/LWS/move_x.lws
print scene
load ../../../../shared/realdata/assimp/test/models/LWS/move_x_oldformat_6.lws
print scene
load ../../../../shared/realdata/assimp/test/models/LWS/move_x_oldformat_56.lws
print scene
