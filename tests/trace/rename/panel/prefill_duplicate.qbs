# The pre-fill takes the base name of a name of the form "Name (2)".
null "Key (2)"
select "Key (2)"
activate QB:NameReplace
# CHECK-NEXT: panel open "QB:NameReplace(1.00) " flags=3
set 7 0
print control 7 value
print control 8 value state
print control 11 12 state
# CHECK-NEXT: control 7 value=0 "Change"
# CHECK-NEXT: control 8 value="Key" state=normal
# CHECK-NEXT: control 11 state=erased
# CHECK-NEXT: control 12 state=erased
cancel
# CHECK-NEXT: panel close "QB:NameReplace(1.00) "
# CHECK-NEXT: panel destroy "QB:NameReplace(1.00) "
# CHECK-NEXT: result 0
