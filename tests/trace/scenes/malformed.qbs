# Damaged scenes load what can be loaded; each problem is reported once, in
# line order, with its line.
echo -- cut off inside an envelope
load malformed/truncated.lws
print scene
echo -- a version this host does not know: read as the nearest one
load malformed/version9.lws
print scene
echo -- parents that do not exist, a loop, an item number that is not one
load malformed/bad_parents.lws
print scene
echo -- object files that cannot be found, values out of range
load malformed/missing_objects.lws
print scene
echo -- not a scene file at all: the script stops, the scene stays
load malformed/not_a_scene.lws
