# Mesh "Textured Solid" is display code 6; the Camera row switched on with
# "Hidden" sends 0 and, its active popup being "As is", no ItemActive.
mesh Box inactive
camera Cam
select Box Cam
activate QB:ItemVisible
set 1 0
set 6 7
set 7 0
set 20 1
set 21 1
press 34
print scene
