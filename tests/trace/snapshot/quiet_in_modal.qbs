# Pictures print nothing and change nothing: taken while the rename panel
# waits, and while the result panel waits on top of the object replacer
# (the one below by its title), the run goes on as without them.
null Arm_L
select Arm_L
activate QB:NameReplace
# CHECK-NEXT: panel open "QB:NameReplace(1.00) " flags=3
snapshot /dev/null
ok
# CHECK-NEXT: cmd ok StatusMsg {1.00}QB:NameReplace: Renaming...
# CHECK-NEXT: cmd ok StatusMsg QB:NameReplace: Done(0).
# CHECK-NEXT: cmd ok SelectItem 0x10000000
# CHECK-NEXT: panel close "QB:NameReplace(1.00) "
# CHECK-NEXT: panel destroy "QB:NameReplace(1.00) "
# CHECK-NEXT: result 0
print selection
# CHECK-NEXT: selection 0x10000000
mesh "Car:Wheel (2)" Objects/Car.lwo
select "Car:Wheel (2)"
activate QB:ObjectReplacer
# CHECK-NEXT: panel open "QB:ObjectReplacer(1.00) " flags=64
# CHECK-NEXT: result 0
set 3 ../../data/replace/car.lwo
press 6
# CHECK-NEXT: cmd ok SelectItem 0x10000001
# CHECK-NEXT: cmd ok ReplaceObjectLayer 2 ../../data/replace/car.lwo
# CHECK-NEXT: cmd ok StatusMsg {1.00}ReplaceObjectLayer...
# CHECK-NEXT: cmd ok StatusMsg {1.00}ReplaceObjectLayer...Done
# CHECK-NEXT: panel open "Result" flags=1
snapshot /dev/null
snapshot /dev/null "QB:ObjectReplacer(1.00) "
print panel Result
# CHECK-NEXT: panel "Result" open flags=1 width=610 height=320 controls=1
# CHECK-NEXT:   1 MultiListBoxControl "" x=5 y=0 value=0 normal rows=1 columns=220,20,320,40
# CHECK-NEXT:     heading "Item" "Layer" "File" "Result"
# CHECK-NEXT:     row 0 "car:Wheel" "2" "../../data/replace/car.lwo" "v"
close
# CHECK-NEXT: panel destroy "Result"
# CHECK-NEXT: cmd ok SelectItem 0x10000001
# CHECK-NEXT: panel close "QB:ObjectReplacer(1.00) "
print scene
# CHECK-NEXT: scene items=2 parent-in-place=off
# CHECK-NEXT: 0x10000000 null "Arm_L" parent=none display=6 active file="" layer=0 children=none
# CHECK-NEXT: 0x10000001 mesh "car:Wheel" parent=none display=6 active file="../../data/replace/car.lwo" layer=2 children=none
