# Mesh "Textured Solid" is display code 6; the Camera row switched on with
# "Hidden" sends 0 and, its active popup being "As is", no ItemActive.
mesh Box inactive
camera Cam
select Box Cam
activate QB:ItemVisible
# CHECK-NEXT: panel open "QB:ItemVisible(1.00) " flags=64
# CHECK-NEXT: result 0
set 1 0
set 6 7
set 7 0
set 20 1
set 21 1
press 34
# CHECK-NEXT: cmd ok SelectItem 0x10000000
# CHECK-NEXT: cmd ok ItemVisibility 6
# CHECK-NEXT: cmd ok SelectItem 0x30000000
# CHECK-NEXT: cmd ok ItemVisibility 0
# CHECK-NEXT: cmd ok StatusMsg {1.00}Done(2).
# CHECK-NEXT: cmd ok SelectItem 0x30000000
# CHECK-NEXT: cmd ok AddToSelection 0x10000000
print scene
# CHECK-NEXT: scene items=2 parent-in-place=off
# CHECK-NEXT: 0x10000000 mesh "Box" parent=none display=6 inactive file="Objects/Box.lwo" layer=1 children=none
# CHECK-NEXT: 0x30000000 camera "Cam" parent=none visible=0 active children=none
