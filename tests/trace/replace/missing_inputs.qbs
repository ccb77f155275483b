# Paths that give no object file: nothing happens but the restoring of the
# selection; no progress line, no result panel.  The panel still closes.
mesh Car:Wheel Objects/Car.lwo
select Car:Wheel
echo -- the default file path, which is not on disk
activate QB:ObjectReplacer
press 6
echo -- a file that does not exist
activate QB:ObjectReplacer
set 3 ../../data/replace/absent.lwo
press 6
echo -- an empty file field
activate QB:ObjectReplacer
set 3 ""
press 6
echo -- a file that is not an object file
activate QB:ObjectReplacer
set 3 ../../data/replace/mixed/picture.png
press 6
echo -- a directory that does not exist
activate QB:ObjectReplacer
set 2 1
set 4 ../../data/replace/absent
press 6
echo -- an empty directory field
activate QB:ObjectReplacer
set 4 ""
press 6
print selection
print status
