# An item named Car:Wheel (2) against a file with the layers Body (0) and
# Wheel (1): it is selected alone, replaced with layer 2 of that file, and its
# row shows layer 2, the path and the success mark.  The name in the row is
# the one the host gives after the replacement.
mesh "Car:Wheel (2)" Objects/Car.lwo
select "Car:Wheel (2)"
activate QB:ObjectReplacer
set 3 ../../data/replace/car.lwo
press 6
print panel Result
close
print selection
print scene
