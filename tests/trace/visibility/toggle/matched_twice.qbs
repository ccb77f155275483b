# Cube is named by two words but changed once.  The targets follow the scene
# order, not the word order: Ball comes first and is hidden, so the targets
# are shown and activated (in word order Cube, which is shown, would have
# decided to hide them).
mesh Ball hidden
mesh Cube inactive
mesh Other hidden
activate QB:ToggleVisible Cube C* Ball
# CHECK-NEXT: cmd ok SelectItem 0x10000000
# CHECK-NEXT: cmd ok ItemVisibility 1
# CHECK-NEXT: cmd ok SelectItem 0x10000001
# CHECK-NEXT: cmd ok ItemActive
# CHECK-NEXT: result 0
print scene
# CHECK-NEXT: scene items=3 parent-in-place=off
# CHECK-NEXT: 0x10000000 mesh "Ball" parent=none display=1 active file="Objects/Ball.lwo" layer=1 children=none
# CHECK-NEXT: 0x10000001 mesh "Cube" parent=none display=6 active file="Objects/Cube.lwo" layer=1 children=none
# CHECK-NEXT: 0x10000002 mesh "Other" parent=none display=0 active file="Objects/Other.lwo" layer=1 children=none
