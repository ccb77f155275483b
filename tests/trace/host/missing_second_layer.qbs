# The second library layer fetches its services at every activation and stops
# at the first one missing: the tools of rows 4 to 6 give result 2.
mesh Cube
select Cube
missing "LW Scene Info 11"
trace lookups on
activate QB:ItemVisible
# CHECK: lookup Product Info
# CHECK-NEXT: lookup LW Bone Info 6
# CHECK-NEXT: lookup LW Fog Info
# CHECK-NEXT: lookup LW Camera Info 10
# CHECK-NEXT: lookup LW Interface Info 7
# CHECK-NEXT: lookup LW Item Info 8
# CHECK-NEXT: lookup LW Object Info 12
# CHECK-NEXT: lookup LW Scene Info 11
# CHECK-NEXT: result 2
# -- object replacer
activate QB:ObjectReplacer
# CHECK: lookup Product Info
# CHECK-NEXT: lookup LW Bone Info 6
# CHECK-NEXT: lookup LW Fog Info
# CHECK-NEXT: lookup LW Camera Info 10
# CHECK-NEXT: lookup LW Interface Info 7
# CHECK-NEXT: lookup LW Item Info 8
# CHECK-NEXT: lookup LW Object Info 12
# CHECK-NEXT: lookup LW Scene Info 11
# CHECK-NEXT: result 2
# -- rename
activate QB:NameReplace
# CHECK: lookup Product Info
# CHECK-NEXT: lookup LW Bone Info 6
# CHECK-NEXT: lookup LW Fog Info
# CHECK-NEXT: lookup LW Camera Info 10
# CHECK-NEXT: lookup LW Interface Info 7
# CHECK-NEXT: lookup LW Item Info 8
# CHECK-NEXT: lookup LW Object Info 12
# CHECK-NEXT: lookup LW Scene Info 11
# CHECK-NEXT: result 2
trace lookups off
provide "LW Scene Info 11"
activate QB:ItemVisible
# CHECK: panel open "QB:ItemVisible(1.00) " flags=64
# CHECK-NEXT: result 0
