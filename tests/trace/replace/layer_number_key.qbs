# Car:Left Wheel has a blank in its layer part, so the name pattern does not
# apply; the host reports layer number 3, the key is Layer3, and that finds the
# unnamed layer number 2 of parts.lwo (layers: unnamed 0, Hub 1, unnamed 2).
mesh "Car:Left Wheel" Objects/Car.lwo layer=3
select "Car:Left Wheel"
activate QB:ObjectReplacer
set 3 ../../data/replace/parts.lwo
press 6
print panel Result
close
print scene
