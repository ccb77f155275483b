# "Show All" presets the Mesh, Null and Bone rows, ticking the Mesh row that
# was off, and leaves Camera (set by hand) and Light (off) as they were;
# "Hide All" does the same the other way.  Nothing reaches the scene.
mesh Box
activate QB:ItemVisible
set 5 0
set 20 1
set 21 1
set 22 2
press 30
print panel
press 31
print panel
