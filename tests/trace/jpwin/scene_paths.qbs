# A scene file written on a Japanese Windows (japanese.lws, made by
# tests/data/make_japanese_folders.cmake) names its objects in Shift-JIS:
# 表\表.lwo and 能/予/予.lwo are found and read by characters (the 0x5C of 表
# and 予 separates nothing), the items are named after the files' layers,
# and the object whose folder is missing is named in the warning.
load japanese.lws
print scene
# CHECK: warning japanese.lws:10: object file not found: 無い\表.lwo
# CHECK-NEXT: scene items=3 parent-in-place=off
# CHECK-NEXT: 0x10000000 mesh "表:ホイール" parent=none display=6 active file="表/表.lwo" layer=2 children=none
# CHECK-NEXT: 0x10000001 mesh "予:ソ" parent=none display=6 active file="能/予/予.lwo" layer=3 children=none
# CHECK-NEXT: 0x10000002 mesh "表" parent=none display=6 active file="無い\\表.lwo" layer=1 children=none
