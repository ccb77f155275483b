# Whatever is selected along the way, the run ends by selecting again what was
# selected before it: the last item first, then the others from the end.
mesh Car:Body Objects/Car.lwo
light Lamp
mesh Car:Wheel Objects/Car.lwo
mesh Spare Objects/Spare.lwo
select Lamp Car:Wheel Car:Body
activate QB:ObjectReplacer
set 1 2
set 3 ../../data/replace/car.lwo
press 6
print selection
close
print selection
