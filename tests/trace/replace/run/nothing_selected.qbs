# Scope "Select Item" with nothing selected, in file mode with a valid object
# file: no row, the final progress line at 1.00 and an empty result list.
mesh Car:Wheel Objects/Car.lwo
activate QB:ObjectReplacer
# CHECK-NEXT: panel open "QB:ObjectReplacer(1.00) " flags=64
# CHECK-NEXT: result 0
set 3 ../../../data/replace/car.lwo
press 6
# CHECK-NEXT: cmd ok StatusMsg {1.00}ReplaceObjectLayer...Done
# CHECK-NEXT: panel open "Result" flags=1
print panel Result
# CHECK-NEXT: panel "Result" open flags=1 width=610 height=320 controls=1
# CHECK-NEXT:   1 MultiListBoxControl "" x=5 y=0 value=0 normal rows=0 columns=220,20,320,40
# CHECK-NEXT:     heading "Item" "Layer" "File" "Result"
close
# CHECK-NEXT: panel destroy "Result"
# CHECK-NEXT: panel close "QB:ObjectReplacer(1.00) "
print selection
# CHECK-NEXT: selection
print status
# CHECK-NEXT: status {1.00}ReplaceObjectLayer...Done
