# A host that cannot create panels: every panel tool ends its activation with
# 2 and leaves nothing half-built behind, the commands without a panel go on
# working, and once panels can be made again every tool opens normally.  The
# object replacer's result panel is made during a run: when that fails, the
# replacements stand, the run ends and the selection comes back.
mesh Car:Wheel Objects/Car.lwo
mesh Car:Body Objects/Car.lwo
select Car:Wheel Car:Body
fail-panels on
activate QB:ItemTools
# CHECK-NEXT: result 2
activate QB:ItemVisible
# CHECK-NEXT: result 2
activate QB:NameReplace
# CHECK-NEXT: result 2
activate QB:ObjectReplacer
# CHECK-NEXT: result 2
activate QB:SelectItem Car:Body
# CHECK-NEXT: cmd ok SelectItem 0x10000001
# CHECK-NEXT: result 0
print selection
# CHECK-NEXT: selection 0x10000001
fail-panels off
# -- the result panel cannot be made
select Car:Wheel Car:Body
activate QB:ObjectReplacer
# CHECK-NEXT: panel open "QB:ObjectReplacer(1.00) " flags=64
# CHECK-NEXT: result 0
set 3 ../../data/replace/car.lwo
fail-panels on
press 6
# CHECK-NEXT: cmd ok SelectItem 0x10000000
# CHECK-NEXT: cmd ok ReplaceObjectLayer 2 ../../data/replace/car.lwo
# CHECK-NEXT: cmd ok StatusMsg {0.00}ReplaceObjectLayer...
# CHECK-NEXT: cmd ok SelectItem 0x10000001
# CHECK-NEXT: cmd ok ReplaceObjectLayer 1 ../../data/replace/car.lwo
# CHECK-NEXT: cmd ok StatusMsg {1.00}ReplaceObjectLayer...
# CHECK-NEXT: cmd ok StatusMsg {1.00}ReplaceObjectLayer...Done
# CHECK-NEXT: cmd ok SelectItem 0x10000001
# CHECK-NEXT: cmd ok AddToSelection 0x10000000
# CHECK-NEXT: panel close "QB:ObjectReplacer(1.00) "
print selection
# CHECK-NEXT: selection 0x10000001 0x10000000
print scene
# CHECK-NEXT: scene items=2 parent-in-place=off
# CHECK-NEXT: 0x10000000 mesh "car:Wheel" parent=none display=6 active file="../../data/replace/car.lwo" layer=2 children=none
# CHECK-NEXT: 0x10000001 mesh "car:Body" parent=none display=6 active file="../../data/replace/car.lwo" layer=1 children=none
print status
# CHECK-NEXT: status {1.00}ReplaceObjectLayer...Done
fail-panels off
# -- panels again
activate QB:ItemTools
# CHECK-NEXT: panel open "QB:ItemTools(1.00) " flags=64
# CHECK-NEXT: result 0
close
activate QB:ItemVisible
# CHECK-NEXT: panel open "QB:ItemVisible(1.00) " flags=64
# CHECK-NEXT: result 0
close
activate QB:NameReplace
# CHECK-NEXT: panel open "QB:NameReplace(1.00) " flags=3
cancel
# CHECK-NEXT: panel close "QB:NameReplace(1.00) "
# CHECK-NEXT: panel destroy "QB:NameReplace(1.00) "
# CHECK-NEXT: result 0
activate QB:ObjectReplacer
# CHECK-NEXT: panel open "QB:ObjectReplacer(1.00) " flags=64
# CHECK-NEXT: result 0
print control 3 value
# CHECK-NEXT: control 3 value="../../data/replace/car.lwo"
close
