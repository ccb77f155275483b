# An object loaded from a file whose name ends in .LWO is not a mesh object to
# the run and gets no row, nor does a null object; both still count in the
# progress fractions.  Scope "All Item" lists only the mesh objects.
mesh Old:Wheel Objects/OLD.LWO
null Pivot
mesh Car:Wheel Objects/Car.lwo
light Lamp
select Old:Wheel Pivot Car:Wheel
activate QB:ObjectReplacer
set 3 ../../data/replace/car.lwo
press 6
print panel Result
close
activate QB:ObjectReplacer
set 1 2
press 6
print panel Result
close
