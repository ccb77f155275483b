# Pictures print nothing and change nothing: taken while the rename panel
# waits, and while the result panel waits on top of the object replacer
# (the one below by its title), the run goes on as without them.
null Arm_L
select Arm_L
activate QB:NameReplace
snapshot /dev/null
ok
print selection
mesh "Car:Wheel (2)" Objects/Car.lwo
select "Car:Wheel (2)"
activate QB:ObjectReplacer
set 3 ../../data/replace/car.lwo
press 6
snapshot /dev/null
snapshot /dev/null "QB:ObjectReplacer(1.00) "
print panel Result
close
print scene
