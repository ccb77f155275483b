# A replacement the host refuses is reported in the status line, the run goes
# on with the next item, and the row shows the failure mark: the list must not
# claim a replacement that did not happen.
mesh Car:Wheel Objects/Car.lwo
mesh Car:Body Objects/Car.lwo
select Car:Wheel Car:Body
refuse ReplaceObjectLayer
activate QB:ObjectReplacer
set 3 ../../data/replace/car.lwo
press 6
print panel Result
close
echo -- a refused selection: no replacement is sent, since it would change the item still selected
accept ReplaceObjectLayer
refuse "SelectItem 0x10000001"
select Car:Wheel Car:Body
activate QB:ObjectReplacer
press 6
print panel Result
close
print scene
print selection
