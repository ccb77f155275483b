# QB:SelectItem: the items named by wildcard words, only of the type of the
# last match in scene order (objects each followed by their bones, then
# lights, then cameras), selected from the last match backwards.
mesh Cube
mesh Cube2
mesh Arm
bone ArmBone parent=Arm
mesh Body
mesh "Left Arm"
light CubeLight
camera Camera
echo -- Cube*: the light is the last match, so only the light
activate QB:SelectItem Cube*
print selection
echo -- Arm*: the bone follows its object and is the last match
activate QB:SelectItem Arm*
print selection
echo -- mixed types: the object Body is last, the bone between is skipped
activate QB:SelectItem Arm* body
print selection
echo -- the same item named three times is selected once
activate QB:SelectItem Body BODY b?dy
print selection
echo -- a quoted word holds a blank
activate QB:SelectItem "Left Arm" Cube
print selection
echo -- no argument
activate QB:SelectItem
print selection
echo -- only blanks
activate QB:SelectItem    
print selection
echo -- an unclosed quote drops every word
activate QB:SelectItem Cube "Left Arm
print selection
echo -- a word that matches nothing
activate QB:SelectItem Nothing*
print status
echo -- a word that does not compile as a pattern changes nothing
select Cube
activate QB:SelectItem Cube2 a{
print selection
