# Item tools panel: the whole "Item Name" text is one wildcard pattern.
mesh Cube
mesh Cube2
mesh "Left Arm"
mesh Left
mesh Arm
light Lamp
activate QB:ItemTools
echo -- Cube*: the objects Cube and Cube2, the last match first
set 12 Cube*
press 15
print selection
echo -- a text with a blank is one pattern
set 12 "left arm"
press 15
print selection
echo -- two names in the field are not two patterns
set 12 "Cube Cube2"
press 15
print selection
echo -- an empty field
set 12 ""
press 15
echo -- a wildcard that does not compile: reported, nothing changes
set 12 a{
press 15
print selection
echo -- the panel goes on working
set 12 LAMP
press 15
print selection
