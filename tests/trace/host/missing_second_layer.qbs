# The second library layer fetches its services at every activation and stops
# at the first one missing: the tools of rows 4 to 6 give result 2.
mesh Cube
select Cube
missing "LW Scene Info 11"
trace lookups on
activate QB:ItemVisible
echo -- object replacer
activate QB:ObjectReplacer
echo -- rename
activate QB:NameReplace
trace lookups off
provide "LW Scene Info 11"
activate QB:ItemVisible
