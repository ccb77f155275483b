# Item tools panel: removing the parent of every selected item.
null Root
mesh A parent=Root
mesh B parent=Root
light L parent=Root
activate QB:ItemTools
echo -- nothing selected: only RefreshNow
select
press 9
print selection
echo -- two objects then a light: each loses its parent, then only the light is selected
select A B L
press 9
print selection
echo -- two objects: both selected again, the last one first
select A B
press 9
print selection
print scene
