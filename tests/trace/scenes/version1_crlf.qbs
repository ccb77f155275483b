# A version 1 scene written on Windows: CRLF line endings, LoadObject with a
# drive letter and without an extension (both found in the content folder
# above the scene's folder), ParentObject by 1-based object number, and the
# camera that version 1 declares with its ShowCamera line alone.
load v1/Content/Scenes/box_v1.lws
print scene
# Rename _L_ to _R_ in every null and light, then move the light under the
# box; saved in the file's own statements (ParentObject, CRLF) and loaded
# again.
activate QB:NameReplace
set 1 2
set 6 1
ok
select Key_R_Light
activate QB:ItemTools
set 3 Box
press 6
save v1/Content/Saved/box_v1.lws
load v1/Content/Saved/box_v1.lws
print scene
