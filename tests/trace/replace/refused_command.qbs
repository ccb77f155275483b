# A replacement the host refuses is reported in the status line; the run goes
# on with the next item and the row keeps the success mark (the commands were
# sent).
mesh Car:Wheel Objects/Car.lwo
mesh Car:Body Objects/Car.lwo
select Car:Wheel Car:Body
refuse ReplaceObjectLayer
activate QB:ObjectReplacer
set 3 ../../data/replace/car.lwo
press 6
print panel Result
close
