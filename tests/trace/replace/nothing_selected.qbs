# Scope "Select Item" with nothing selected, in file mode with a valid object
# file: no row, the final progress line at 1.00 and an empty result list.
mesh Car:Wheel Objects/Car.lwo
activate QB:ObjectReplacer
set 3 ../../data/replace/car.lwo
press 6
print panel Result
close
print selection
print status
