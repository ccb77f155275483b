# Activated with version 7 (the 2020 generation), both library layers look up
# the 2020 names: "LW Item Info 9", "LW Command Interface 2" and the others,
# "LWShelfFuncs 3" from model year 2023 on and "LWShelfFuncs 2" before it.
# The first layer, looked up once per module lifetime, is looked up again
# under the other generation's names when the generation changes.
generation 2020
null Pivot
trace lookups on
activate QB:SelectItem Pivot
# CHECK: lookup Product Info
# CHECK-NEXT: lookup Animation Envelopes 4
# CHECK-NEXT: lookup Channel Info 3
# CHECK: lookup LWShelfFuncs 3
# CHECK: lookup LW Command Interface 2
# CHECK-NEXT: lookup LW Interface Info 8
# CHECK-NEXT: lookup LW Item Info 9
# CHECK-NEXT: lookup LW Object Info 14
# CHECK-NEXT: lookup LWPanelServices 3
# CHECK-NEXT: lookup Locale Info
# CHECK-NEXT: cmd ok SelectItem 0x10000000
# CHECK-NEXT: lookup LW Interface Info 8
# CHECK-NEXT: result 0
activate QB:ItemVisible
# CHECK-NEXT: lookup Product Info
# CHECK-NEXT: lookup LW Bone Info 7
# CHECK-NEXT: lookup LW Fog Info
# CHECK-NEXT: lookup LW Camera Info 10
# CHECK-NEXT: lookup LW Interface Info 8
# CHECK-NEXT: lookup LW Item Info 9
# CHECK-NEXT: lookup LW Object Info 14
# CHECK-NEXT: lookup LW Scene Info 12
# CHECK: lookup LW Command Interface 2
# CHECK: lookup LWShelfFuncs 3
# CHECK: panel open "QB:ItemVisible(1.00) " flags=64
# CHECK-NEXT: result 0
close
# -- model year 2020
product 0x05F00000
activate QB:ItemVisible
# CHECK: lookup LWShelfFuncs 2
# CHECK: result 0
close
# -- a 2020 record the host does not answer: the second layer gives up
missing "LW Item Info 9"
activate QB:ItemVisible
# CHECK: lookup LW Item Info 9
# CHECK-NEXT: result 2
provide "LW Item Info 9"
# -- the same module in a 2018 host, then in a 2020 one again
generation 2018
activate QB:SelectItem Pivot
# CHECK: lookup LW Command Interface
# CHECK-NEXT: lookup LW Interface Info 7
# CHECK-NEXT: lookup LW Item Info 8
# CHECK: cmd ok SelectItem 0x10000000
# CHECK: result 0
generation 2020
activate QB:SelectItem Pivot
# CHECK: lookup LW Command Interface 2
# CHECK-NEXT: lookup LW Interface Info 8
# CHECK-NEXT: lookup LW Item Info 9
# CHECK: cmd ok SelectItem 0x10000000
# CHECK: result 0
