# After Run the panel closes, and the next activation shows it again with the
# same scope, mode, file and directory; nothing is rebuilt.
mesh Car Objects/Car.lwo
select Car
activate QB:ObjectReplacer
# CHECK-NEXT: panel open "QB:ObjectReplacer(1.00) " flags=64
# CHECK-NEXT: result 0
set 1 1
set 3 Objects/Other.lwo
set 2 1
set 4 ../../../data/replace/absent/
press 6
# CHECK-NEXT: cmd ok SelectItem 0x10000000
# CHECK-NEXT: panel close "QB:ObjectReplacer(1.00) "
print selection
# CHECK-NEXT: selection 0x10000000
activate QB:ObjectReplacer
# CHECK-NEXT: panel open "QB:ObjectReplacer(1.00) " flags=64
# CHECK-NEXT: result 0
print control 1 2 value
print control 3 4 value state
# CHECK-NEXT: control 1 value=1 "Select Item + Children"
# CHECK-NEXT: control 2 value=1 "Select directory"
# CHECK-NEXT: control 3 value="Objects/Other.lwo" state=ghosted
# CHECK-NEXT: control 4 value="../../../data/replace/absent/" state=normal
