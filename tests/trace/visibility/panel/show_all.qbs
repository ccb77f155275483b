# "Show All" presets the Mesh, Null and Bone rows, ticking the Mesh row that
# was off, and leaves Camera (set by hand) and Light (off) as they were;
# "Hide All" does the same the other way.  Nothing reaches the scene.
mesh Box
activate QB:ItemVisible
# CHECK-NEXT: panel open "QB:ItemVisible(1.00) " flags=64
# CHECK-NEXT: result 0
set 5 0
set 20 1
set 21 1
set 22 2
press 30
print control 6 7 11 12 16 17 20 value
print control 21 22 value state
print control 23 24 state
# CHECK-NEXT: control 6 value=8 "Textrured w/Wireframe"
# CHECK-NEXT: control 7 value=2 "On"
# CHECK-NEXT: control 11 value=8 "Textrured w/Wireframe"
# CHECK-NEXT: control 12 value=2 "On"
# CHECK-NEXT: control 16 value=2 "Visible"
# CHECK-NEXT: control 17 value=2 "On"
# CHECK-NEXT: control 20 value=1
# CHECK-NEXT: control 21 value=1 "Hidden" state=normal
# CHECK-NEXT: control 22 value=2 "On" state=normal
# CHECK-NEXT: control 23 state=normal
# CHECK-NEXT: control 24 state=normal
press 31
print control 6 7 11 12 16 17 20 value
print control 21 22 value state
print control 23 24 state
# CHECK-NEXT: control 6 value=1 "Hidden"
# CHECK-NEXT: control 7 value=1 "Off"
# CHECK-NEXT: control 11 value=1 "Hidden"
# CHECK-NEXT: control 12 value=1 "Off"
# CHECK-NEXT: control 16 value=1 "Hidden"
# CHECK-NEXT: control 17 value=1 "Off"
# CHECK-NEXT: control 20 value=1
# CHECK-NEXT: control 21 value=1 "Hidden" state=normal
# CHECK-NEXT: control 22 value=2 "On" state=normal
# CHECK-NEXT: control 23 state=normal
# CHECK-NEXT: control 24 state=normal
