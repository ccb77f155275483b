# Cube* targets every name starting with cube in any letter case (not
# MyCube), in scene order: objects each with their bones, then lights, then
# cameras.  Cube alone targets only the names cube and Cube.
mesh Cube
mesh MyCube
bone Cube_bone parent=MyCube
mesh Cube2
null cube_b
light cube
camera Cubecam
activate QB:ToggleVisible Cube*
# CHECK-NEXT: cmd ok SelectItem 0x10000000
# CHECK-NEXT: cmd ok ItemVisibility 0
# CHECK-NEXT: cmd ok SelectItem 0x10000000
# CHECK-NEXT: cmd ok ItemActive
# CHECK-NEXT: cmd ok SelectItem 0x40000001
# CHECK-NEXT: cmd ok ItemVisibility 0
# CHECK-NEXT: cmd ok SelectItem 0x10000002
# CHECK-NEXT: cmd ok ItemVisibility 0
# CHECK-NEXT: cmd ok SelectItem 0x10000002
# CHECK-NEXT: cmd ok ItemActive
# CHECK-NEXT: cmd ok SelectItem 0x10000003
# CHECK-NEXT: cmd ok ItemVisibility 0
# CHECK-NEXT: cmd ok SelectItem 0x10000003
# CHECK-NEXT: cmd ok ItemActive
# CHECK-NEXT: cmd ok SelectItem 0x20000000
# CHECK-NEXT: cmd ok ItemVisibility 0
# CHECK-NEXT: cmd ok SelectItem 0x20000000
# CHECK-NEXT: cmd ok ItemActive
# CHECK-NEXT: cmd ok SelectItem 0x30000000
# CHECK-NEXT: cmd ok ItemVisibility 0
# CHECK-NEXT: cmd ok SelectItem 0x30000000
# CHECK-NEXT: cmd ok ItemActive
# CHECK-NEXT: result 0
print scene
# CHECK-NEXT: scene items=7 parent-in-place=off
# CHECK-NEXT: 0x10000000 mesh "Cube" parent=none display=0 inactive file="Objects/Cube.lwo" layer=1 children=none
# CHECK-NEXT: 0x10000001 mesh "MyCube" parent=none display=6 active file="Objects/MyCube.lwo" layer=1 children=0x40000001
# CHECK-NEXT: 0x40000001 bone "Cube_bone" object=0x10000001 parent=0x10000001 visible=0 active children=none
# CHECK-NEXT: 0x10000002 mesh "Cube2" parent=none display=0 inactive file="Objects/Cube2.lwo" layer=1 children=none
# CHECK-NEXT: 0x10000003 null "cube_b" parent=none display=0 inactive file="" layer=0 children=none
# CHECK-NEXT: 0x20000000 light "cube" parent=none visible=0 inactive children=none
# CHECK-NEXT: 0x30000000 camera "Cubecam" parent=none visible=0 inactive children=none
# Nothing was selected, so restoring sends nothing: the last item changed
# stays selected, and the next run restores that.
print selection
# CHECK-NEXT: selection 0x30000000
activate QB:ToggleVisible Cube
# CHECK-NEXT: cmd ok SelectItem 0x10000000
# CHECK-NEXT: cmd ok ItemVisibility 1
# CHECK-NEXT: cmd ok SelectItem 0x10000000
# CHECK-NEXT: cmd ok ItemActive
# CHECK-NEXT: cmd ok SelectItem 0x20000000
# CHECK-NEXT: cmd ok ItemVisibility 1
# CHECK-NEXT: cmd ok SelectItem 0x20000000
# CHECK-NEXT: cmd ok ItemActive
# CHECK-NEXT: cmd ok SelectItem 0x30000000
# CHECK-NEXT: result 0
print scene
# CHECK-NEXT: scene items=7 parent-in-place=off
# CHECK-NEXT: 0x10000000 mesh "Cube" parent=none display=1 active file="Objects/Cube.lwo" layer=1 children=none
# CHECK-NEXT: 0x10000001 mesh "MyCube" parent=none display=6 active file="Objects/MyCube.lwo" layer=1 children=0x40000001
# CHECK-NEXT: 0x40000001 bone "Cube_bone" object=0x10000001 parent=0x10000001 visible=0 active children=none
# CHECK-NEXT: 0x10000002 mesh "Cube2" parent=none display=0 inactive file="Objects/Cube2.lwo" layer=1 children=none
# CHECK-NEXT: 0x10000003 null "cube_b" parent=none display=0 inactive file="" layer=0 children=none
# CHECK-NEXT: 0x20000000 light "cube" parent=none visible=1 active children=none
# CHECK-NEXT: 0x30000000 camera "Cubecam" parent=none visible=0 inactive children=none
