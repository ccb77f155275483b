# A panel that cannot be created: the panel tools give result 2.
mesh Cube
select Cube
fail-panels on
activate QB:ItemVisible
activate QB:NameReplace
activate QB:ObjectReplacer
fail-panels off
activate QB:ItemVisible
