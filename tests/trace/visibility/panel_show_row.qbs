# "Show" on the Mesh row sets "Textrured w/Wireframe" and "On" but sends
# nothing until Run; then the mesh gets display code 7 and is switched on.
mesh Box hidden inactive
select Box
activate QB:ItemVisible
set 1 0
press 8
print panel
echo -- run --
press 34
print scene
