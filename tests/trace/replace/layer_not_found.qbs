# An object item whose layer no file has: a row with "-", an empty file column
# and the failure mark, and no command for it.  The marks follow the language
# of the activation before the run: English "v" and "o", Japanese "o" and "x".
mesh Car:Door Objects/Car.lwo
mesh Car:Wheel Objects/Car.lwo
select Car:Door Car:Wheel
activate QB:ObjectReplacer
set 3 ../../data/replace/car.lwo
press 6
print panel Result
close
locale 1041
select Car:Door car:Wheel
activate QB:ObjectReplacer
press 6
print panel Result
close
