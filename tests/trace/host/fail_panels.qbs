# A panel that cannot be created: the panel tools give result 2.
mesh Cube
select Cube
fail-panels on
activate QB:ItemVisible
# CHECK: result 2
activate QB:NameReplace
# CHECK-NEXT: result 2
activate QB:ObjectReplacer
# CHECK-NEXT: result 2
fail-panels off
activate QB:ItemVisible
# CHECK-NEXT: panel open "QB:ItemVisible(1.00) " flags=64
# CHECK-NEXT: result 0
