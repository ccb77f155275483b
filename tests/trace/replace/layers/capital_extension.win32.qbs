# Windows: its file system ignores letter case, so an object loaded from
# OLD.LWO is a mesh object like Car:Wheel and gets a row (its layer Wheel is
# found in car.lwo); the null object gets none but still counts in the
# progress fractions.  Scope "All Item" lists both mesh objects.
mesh Old:Wheel Objects/OLD.LWO
null Pivot
mesh Car:Wheel Objects/Car.lwo
light Lamp
select Old:Wheel Pivot Car:Wheel
activate QB:ObjectReplacer
# CHECK-NEXT: panel open "QB:ObjectReplacer(1.00) " flags=64
# CHECK-NEXT: result 0
set 3 ../../../data/replace/car.lwo
press 6
# CHECK-NEXT: cmd ok SelectItem 0x10000000
# CHECK-NEXT: cmd ok ReplaceObjectLayer 2 ../../../data/replace/car.lwo
# CHECK-NEXT: cmd ok StatusMsg {0.00}ReplaceObjectLayer...
# CHECK-NEXT: cmd ok StatusMsg {0.50}ReplaceObjectLayer...
# CHECK-NEXT: cmd ok SelectItem 0x10000002
# CHECK-NEXT: cmd ok ReplaceObjectLayer 2 ../../../data/replace/car.lwo
# CHECK-NEXT: cmd ok StatusMsg {1.00}ReplaceObjectLayer...
# CHECK-NEXT: cmd ok StatusMsg {1.00}ReplaceObjectLayer...Done
# CHECK-NEXT: panel open "Result" flags=1
print panel Result
# CHECK-NEXT: panel "Result" open flags=1 width=610 height=320 controls=1
# CHECK-NEXT:   1 MultiListBoxControl "" x=5 y=0 value=0 normal rows=2 columns=220,20,320,40
# CHECK-NEXT:     heading "Item" "Layer" "File" "Result"
# CHECK-NEXT:     row 0 "car:Wheel" "2" "../../../data/replace/car.lwo" "v"
# CHECK-NEXT:     row 1 "car:Wheel" "2" "../../../data/replace/car.lwo" "v"
close
# CHECK-NEXT: panel destroy "Result"
# CHECK-NEXT: cmd ok SelectItem 0x10000002
# CHECK-NEXT: cmd ok AddToSelection 0x10000001
# CHECK-NEXT: cmd ok AddToSelection 0x10000000
# CHECK-NEXT: panel close "QB:ObjectReplacer(1.00) "
activate QB:ObjectReplacer
# CHECK-NEXT: panel open "QB:ObjectReplacer(1.00) " flags=64
# CHECK-NEXT: result 0
set 1 2
press 6
# CHECK-NEXT: cmd ok SelectItem 0x10000000
# CHECK-NEXT: cmd ok ReplaceObjectLayer 2 ../../../data/replace/car.lwo
# CHECK-NEXT: cmd ok StatusMsg {0.00}ReplaceObjectLayer...
# CHECK-NEXT: cmd ok SelectItem 0x10000002
# CHECK-NEXT: cmd ok ReplaceObjectLayer 2 ../../../data/replace/car.lwo
# CHECK-NEXT: cmd ok StatusMsg {1.00}ReplaceObjectLayer...
# CHECK-NEXT: cmd ok StatusMsg {1.00}ReplaceObjectLayer...Done
# CHECK-NEXT: panel open "Result" flags=1
print panel Result
# CHECK-NEXT: panel "Result" open flags=1 width=610 height=320 controls=1
# CHECK-NEXT:   1 MultiListBoxControl "" x=5 y=0 value=0 normal rows=2 columns=220,20,320,40
# CHECK-NEXT:     heading "Item" "Layer" "File" "Result"
# CHECK-NEXT:     row 0 "car:Wheel" "2" "../../../data/replace/car.lwo" "v"
# CHECK-NEXT:     row 1 "car:Wheel" "2" "../../../data/replace/car.lwo" "v"
close
# CHECK-NEXT: panel destroy "Result"
# CHECK-NEXT: cmd ok SelectItem 0x10000000
# CHECK-NEXT: cmd ok AddToSelection 0x10000001
# CHECK-NEXT: cmd ok AddToSelection 0x10000002
# CHECK-NEXT: panel close "QB:ObjectReplacer(1.00) "
