# No argument and nothing selected: nothing is sent at all.  A word made of
# two quotes is one empty word, which names no item here, so it sends nothing
# either.
mesh Box
activate QB:ToggleVisible
# CHECK-NEXT: result 0
activate QB:ToggleVisible ""
# CHECK-NEXT: result 0
print selection
# CHECK-NEXT: selection
print scene
# CHECK-NEXT: scene items=1 parent-in-place=off
# CHECK-NEXT: 0x10000000 mesh "Box" parent=none display=6 active file="Objects/Box.lwo" layer=1 children=none
