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
print scene
# Nothing was selected, so restoring sends nothing: the last item changed
# stays selected, and the next run restores that.
print selection
activate QB:ToggleVisible Cube
print scene
