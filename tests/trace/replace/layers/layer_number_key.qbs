# Car:Left Wheel has a blank in its layer part, so the name pattern does not
# apply; the host reports layer number 3, the key is Layer3, and that finds the
# unnamed layer number 2 of parts.lwo (layers: unnamed 0, Hub 1, unnamed 2).
mesh "Car:Left Wheel" Objects/Car.lwo layer=3
select "Car:Left Wheel"
activate QB:ObjectReplacer
# CHECK-NEXT: panel open "QB:ObjectReplacer(1.00) " flags=64
# CHECK-NEXT: result 0
set 3 ../../../data/replace/parts.lwo
press 6
# CHECK-NEXT: cmd ok SelectItem 0x10000000
# CHECK-NEXT: cmd ok ReplaceObjectLayer 3 ../../../data/replace/parts.lwo
# CHECK-NEXT: cmd ok StatusMsg {1.00}ReplaceObjectLayer...
# CHECK-NEXT: cmd ok StatusMsg {1.00}ReplaceObjectLayer...Done
# CHECK-NEXT: panel open "Result" flags=1
print panel Result
# CHECK-NEXT: panel "Result" open flags=1 width=610 height=320 controls=1
# CHECK-NEXT:   1 MultiListBoxControl "" x=5 y=0 value=0 normal rows=1 columns=220,20,320,40
# CHECK-NEXT:     heading "Item" "Layer" "File" "Result"
# CHECK-NEXT:     row 0 "parts:Layer3" "3" "../../../data/replace/parts.lwo" "v"
close
# CHECK-NEXT: panel destroy "Result"
# CHECK-NEXT: cmd ok SelectItem 0x10000000
# CHECK-NEXT: panel close "QB:ObjectReplacer(1.00) "
print scene
# CHECK-NEXT: scene items=1 parent-in-place=off
# CHECK-NEXT: 0x10000000 mesh "parts:Layer3" parent=none display=6 active file="../../../data/replace/parts.lwo" layer=3 children=none
