# missing NAME makes a lookup answer null; provide NAME undoes it.
generation 2018
mesh Cube
select Cube
trace lookups on
missing "LW Item Info 8"
activate QB:NameReplace
# CHECK-NEXT: lookup Product Info
# CHECK-NEXT: lookup LW Bone Info 6
# CHECK-NEXT: lookup LW Fog Info
# CHECK-NEXT: lookup LW Camera Info 10
# CHECK-NEXT: lookup LW Interface Info 7
# CHECK-NEXT: lookup LW Item Info 8
# CHECK-NEXT: result 2
trace lookups off
provide "LW Item Info 8"
activate QB:NameReplace
# CHECK-NEXT: panel open "QB:NameReplace(1.00) " flags=3
cancel
# CHECK-NEXT: panel close "QB:NameReplace(1.00) "
# CHECK-NEXT: panel destroy "QB:NameReplace(1.00) "
# CHECK-NEXT: result 0
# -- a locale of 0 is as good as none for the second layer
locale 0
activate QB:NameReplace
# CHECK-NEXT: result 2
