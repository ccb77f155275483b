# A host that cannot create panels: every panel tool ends its activation with
# 2 and leaves nothing half-built behind, the commands without a panel go on
# working, and once panels can be made again every tool opens normally.  The
# object replacer's result panel is made during a run: when that fails, the
# replacements stand, the run ends and the selection comes back.
mesh Car:Wheel Objects/Car.lwo
mesh Car:Body Objects/Car.lwo
select Car:Wheel Car:Body
fail-panels on
activate QB:ItemTools
activate QB:ItemVisible
activate QB:NameReplace
activate QB:ObjectReplacer
activate QB:SelectItem Car:Body
print selection
fail-panels off
echo -- the result panel cannot be made
select Car:Wheel Car:Body
activate QB:ObjectReplacer
set 3 ../../data/replace/car.lwo
fail-panels on
press 6
print selection
print scene
print status
fail-panels off
echo -- panels again
activate QB:ItemTools
close
activate QB:ItemVisible
close
activate QB:NameReplace
cancel
activate QB:ObjectReplacer
print panel
close
