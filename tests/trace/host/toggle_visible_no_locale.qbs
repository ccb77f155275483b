# "QB:ToggleVisible" has no texts: it looks up "Locale Info" once, only for
# the code page of the names its words are matched against.
mesh Cube
null Pivot
trace lookups on
activate QB:ToggleVisible Cube
trace lookups off
activate QB:ToggleVisible Cube Pivot
print scene
