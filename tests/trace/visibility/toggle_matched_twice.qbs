# Cube is named by two words but changed once.  The targets follow the scene
# order, not the word order: Ball comes first and is hidden, so the targets
# are shown and activated (in word order Cube, which is shown, would have
# decided to hide them).
mesh Ball hidden
mesh Cube inactive
mesh Other hidden
activate QB:ToggleVisible Cube C* Ball
print scene
