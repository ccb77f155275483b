# A light in the scope gets no row but counts in the progress fractions: the
# scope [object, light, object] gives 0.00, 0.50 and 1.00.
mesh Car:Body Objects/Car.lwo
light Lamp
mesh Car:Wheel Objects/Car.lwo
select Car:Body Lamp Car:Wheel
activate QB:ObjectReplacer
set 3 ../../data/replace/car.lwo
press 6
print panel Result
close
