# "QB:ToggleVisible" has no texts: it never looks up "Locale Info".
mesh Cube
null Pivot
trace lookups on
activate QB:ToggleVisible Cube
trace lookups off
activate QB:ToggleVisible Cube Pivot
print scene
