# requires: realdata
# A batch run on the QuickDraw rig: every null's "Quick Draw" becomes "QD"
# (meshes are named by their files and left alone), three handles are
# hidden and switched off (the switch is not kept: scene files have no
# statement for an object's active state, and saving says so), and the
# result is saved and loaded again.  From the saved copy's
# folder the object files cannot be found: each missing file is reported
# once, with the line that first names it, and the rest of the scene loads.
load "../../../../shared/realdata/assimp/test/models-nonbsd/LWS/QuickDraw v.2.2.lws"
activate QB:NameReplace
set 1 2
set 11 "Quick Draw"
set 12 QD
ok
activate QB:ToggleVisible "QD == HANDLE == P*"
save saved/quickdraw_batch.lws
load saved/quickdraw_batch.lws
print scene
