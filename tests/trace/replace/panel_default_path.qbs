# The file field starts with the file of the first selected mesh object, at
# the first build of the panel only: a light selected before it and an object
# whose file ends in .LWO are passed over; with nothing selected, or nothing
# but a null object, the field starts empty.  The mode shows "Select file" and
# the directory field is ghosted.
light Lamp
mesh Crate Objects/Crate.LWO
null Pivot
mesh Car Objects/Car.lwo
mesh Van Objects/Van.lwo
select Lamp Crate Pivot Car Van
activate QB:ObjectReplacer
print panel
echo -- a later activation builds nothing and takes no default
select Van
activate QB:ObjectReplacer
print panel
echo -- nothing selected
unload
select
activate QB:ObjectReplacer
print panel
echo -- only a light and a null object selected
unload
select Lamp Pivot
activate QB:ObjectReplacer
print panel
