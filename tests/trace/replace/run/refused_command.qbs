# A replacement the host refuses is reported in the status line, the run goes
# on with the next item, and the row shows the failure mark: the list must not
# claim a replacement that did not happen.
mesh Car:Wheel Objects/Car.lwo
mesh Car:Body Objects/Car.lwo
select Car:Wheel Car:Body
refuse ReplaceObjectLayer
activate QB:ObjectReplacer
# CHECK-NEXT: panel open "QB:ObjectReplacer(1.00) " flags=64
# CHECK-NEXT: result 0
set 3 ../../../data/replace/car.lwo
press 6
# CHECK-NEXT: cmd ok SelectItem 0x10000000
# CHECK-NEXT: cmd failed ReplaceObjectLayer 2 ../../../data/replace/car.lwo
# CHECK-NEXT: cmd ok StatusMsg *** ERROR: eval( "ReplaceObjectLayer 2 ../../../data/replace/car.lwo" ) !(0) ***
# CHECK-NEXT: cmd ok StatusMsg {0.00}ReplaceObjectLayer...
# CHECK-NEXT: cmd ok SelectItem 0x10000001
# CHECK-NEXT: cmd failed ReplaceObjectLayer 1 ../../../data/replace/car.lwo
# CHECK-NEXT: cmd ok StatusMsg *** ERROR: eval( "ReplaceObjectLayer 1 ../../../data/replace/car.lwo" ) !(0) ***
# CHECK-NEXT: cmd ok StatusMsg {1.00}ReplaceObjectLayer...
# CHECK-NEXT: cmd ok StatusMsg {1.00}ReplaceObjectLayer...Done
# CHECK-NEXT: panel open "Result" flags=1
print panel Result
# CHECK-NEXT: panel "Result" open flags=1 width=610 height=320 controls=1
# CHECK-NEXT:   1 MultiListBoxControl "" x=5 y=0 value=0 normal rows=2 columns=220,20,320,40
# CHECK-NEXT:     heading "Item" "Layer" "File" "Result"
# CHECK-NEXT:     row 0 "Car:Wheel" "2" "../../../data/replace/car.lwo" "o"
# CHECK-NEXT:     row 1 "Car:Body" "1" "../../../data/replace/car.lwo" "o"
close
# CHECK-NEXT: panel destroy "Result"
# CHECK-NEXT: cmd ok SelectItem 0x10000001
# CHECK-NEXT: cmd ok AddToSelection 0x10000000
# CHECK-NEXT: panel close "QB:ObjectReplacer(1.00) "
# -- a refused selection: no replacement is sent, since it would change the item still selected
accept ReplaceObjectLayer
refuse "SelectItem 0x10000001"
select Car:Wheel Car:Body
activate QB:ObjectReplacer
# CHECK-NEXT: panel open "QB:ObjectReplacer(1.00) " flags=64
# CHECK-NEXT: result 0
press 6
# CHECK-NEXT: cmd ok SelectItem 0x10000000
# CHECK-NEXT: cmd ok ReplaceObjectLayer 2 ../../../data/replace/car.lwo
# CHECK-NEXT: cmd ok StatusMsg {0.00}ReplaceObjectLayer...
# CHECK-NEXT: cmd failed SelectItem 0x10000001
# CHECK-NEXT: cmd ok StatusMsg *** ERROR: eval( "SelectItem 0x10000001" ) !(0) ***
# CHECK-NEXT: cmd ok StatusMsg {1.00}ReplaceObjectLayer...
# CHECK-NEXT: cmd ok StatusMsg {1.00}ReplaceObjectLayer...Done
# CHECK-NEXT: panel open "Result" flags=1
print panel Result
# CHECK-NEXT: panel "Result" open flags=1 width=610 height=320 controls=1
# CHECK-NEXT:   1 MultiListBoxControl "" x=5 y=0 value=0 normal rows=2 columns=220,20,320,40
# CHECK-NEXT:     heading "Item" "Layer" "File" "Result"
# CHECK-NEXT:     row 0 "car:Wheel" "2" "../../../data/replace/car.lwo" "v"
# CHECK-NEXT:     row 1 "Car:Body" "1" "../../../data/replace/car.lwo" "o"
close
# CHECK-NEXT: panel destroy "Result"
# CHECK-NEXT: cmd failed SelectItem 0x10000001
# CHECK-NEXT: cmd ok StatusMsg *** ERROR: eval( "SelectItem 0x10000001" ) !(0) ***
# CHECK-NEXT: cmd ok AddToSelection 0x10000000
# CHECK-NEXT: panel close "QB:ObjectReplacer(1.00) "
print scene
# CHECK-NEXT: scene items=2 parent-in-place=off
# CHECK-NEXT: 0x10000000 mesh "car:Wheel" parent=none display=6 active file="../../../data/replace/car.lwo" layer=2 children=none
# CHECK-NEXT: 0x10000001 mesh "Car:Body" parent=none display=6 active file="Objects/Car.lwo" layer=1 children=none
print selection
# CHECK-NEXT: selection 0x10000000
