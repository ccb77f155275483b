# "Show" on the Mesh row sets "Textrured w/Wireframe" and "On" but sends
# nothing until Run; then the mesh gets display code 7 and is switched on.
mesh Box hidden inactive
select Box
activate QB:ItemVisible
# CHECK-NEXT: panel open "QB:ItemVisible(1.00) " flags=64
# CHECK-NEXT: result 0
set 1 0
press 8
print control 1 6 7 value
# CHECK-NEXT: control 1 value=0 "Selection Item"
# CHECK-NEXT: control 6 value=8 "Textrured w/Wireframe"
# CHECK-NEXT: control 7 value=2 "On"
# -- run --
press 34
# CHECK-NEXT: cmd ok SelectItem 0x10000000
# CHECK-NEXT: cmd ok ItemVisibility 7
# CHECK-NEXT: cmd ok ItemActive
# CHECK-NEXT: cmd ok StatusMsg {1.00}Done(1).
# CHECK-NEXT: cmd ok SelectItem 0x10000000
print scene
# CHECK-NEXT: scene items=1 parent-in-place=off
# CHECK-NEXT: 0x10000000 mesh "Box" parent=none display=7 active file="Objects/Box.lwo" layer=1 children=none
