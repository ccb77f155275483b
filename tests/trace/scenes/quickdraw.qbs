# requires: realdata
# The QuickDraw rig (version 3): ten meshes and nine nulls with blanks in
# their names, parents often declared after their children (the chassis hangs
# from the MASTER handle declared fourteen objects later), a hidden light and
# a camera.  The object files are found through the scene's own paths.
load "../../../../shared/realdata/assimp/test/models-nonbsd/LWS/QuickDraw v.2.2.lws"
print scene
