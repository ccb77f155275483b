# Emptying the file field and activating again: the field stays empty, since
# the default is taken only when the panel is built.
mesh Car Objects/Car.lwo
select Car
activate QB:ObjectReplacer
# CHECK-NEXT: panel open "QB:ObjectReplacer(1.00) " flags=64
# CHECK-NEXT: result 0
set 3 ""
press 6
# CHECK-NEXT: cmd ok SelectItem 0x10000000
# CHECK-NEXT: panel close "QB:ObjectReplacer(1.00) "
activate QB:ObjectReplacer
# CHECK-NEXT: panel open "QB:ObjectReplacer(1.00) " flags=64
# CHECK-NEXT: result 0
print control 3 value
# CHECK-NEXT: control 3 value=""
