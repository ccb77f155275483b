# Whatever is selected along the way, the run ends by selecting again what was
# selected before it: the last item first, then the others from the end.
mesh Car:Body Objects/Car.lwo
light Lamp
mesh Car:Wheel Objects/Car.lwo
mesh Spare Objects/Spare.lwo
select Lamp Car:Wheel Car:Body
activate QB:ObjectReplacer
# CHECK-NEXT: panel open "QB:ObjectReplacer(1.00) " flags=64
# CHECK-NEXT: result 0
set 1 2
set 3 ../../../data/replace/car.lwo
press 6
# CHECK-NEXT: cmd ok SelectItem 0x10000000
# CHECK-NEXT: cmd ok ReplaceObjectLayer 1 ../../../data/replace/car.lwo
# CHECK-NEXT: cmd ok StatusMsg {0.00}ReplaceObjectLayer...
# CHECK-NEXT: cmd ok SelectItem 0x10000001
# CHECK-NEXT: cmd ok ReplaceObjectLayer 2 ../../../data/replace/car.lwo
# CHECK-NEXT: cmd ok StatusMsg {0.50}ReplaceObjectLayer...
# CHECK-NEXT: cmd ok StatusMsg {1.00}ReplaceObjectLayer...
# CHECK-NEXT: cmd ok StatusMsg {1.00}ReplaceObjectLayer...Done
# CHECK-NEXT: panel open "Result" flags=1
print selection
# CHECK-NEXT: selection 0x10000001
close
# CHECK-NEXT: panel destroy "Result"
# CHECK-NEXT: cmd ok SelectItem 0x10000000
# CHECK-NEXT: cmd ok AddToSelection 0x10000001
# CHECK-NEXT: cmd ok AddToSelection 0x20000000
# CHECK-NEXT: panel close "QB:ObjectReplacer(1.00) "
print selection
# CHECK-NEXT: selection 0x10000000 0x10000001 0x20000000
