# Choosing Regular Expression hides the search and replace fields and shows
# the pattern field and the pattern replace field in their place; a hidden
# field takes no input.
activate QB:NameReplace
# CHECK-NEXT: panel open "QB:NameReplace(1.00) " flags=3
set 7 4
print control 7 value
print control 11 12 13 14 state
# CHECK-NEXT: control 7 value=4 "Regular Expression"
# CHECK-NEXT: control 11 state=erased
# CHECK-NEXT: control 12 state=erased
# CHECK-NEXT: control 13 state=normal
# CHECK-NEXT: control 14 state=normal
set 11 typed
# CHECK-NEXT: no action: control 11 "" is erased
set 7 3
print control 7 value
print control 11 12 13 14 state
# CHECK-NEXT: control 7 value=3 "Replace"
# CHECK-NEXT: control 11 state=normal
# CHECK-NEXT: control 12 state=normal
# CHECK-NEXT: control 13 state=erased
# CHECK-NEXT: control 14 state=erased
cancel
# CHECK-NEXT: panel close "QB:NameReplace(1.00) "
# CHECK-NEXT: panel destroy "QB:NameReplace(1.00) "
# CHECK-NEXT: result 0
