# A panel that cannot be created ends the activation with 2, and so does a
# missing service; a later activation in a sound host works.
generation 2018
fail-panels on
activate QB:ItemVisible
# CHECK-NEXT: result 2
fail-panels off
missing "LW Bone Info 6"
activate QB:ItemVisible
# CHECK-NEXT: result 2
provide "LW Bone Info 6"
activate QB:ItemVisible
# CHECK-NEXT: panel open "QB:ItemVisible(1.00) " flags=64
# CHECK-NEXT: result 0
