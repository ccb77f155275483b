# Directory mode over a directory holding one object file among a picture, a
# text file, an empty .lwo, a FORM file of another type and a subdirectory
# (whose object file also has a Wheel layer but is never read).  The trailing
# separator in the field is dropped from the paths.
mesh Car:Wheel Objects[[SEP]]Car.lwo
mesh Car:Rim Objects[[SEP]]Car.lwo
mesh Car:Body Objects[[SEP]]Car.lwo
select Car:Wheel Car:Rim Car:Body
activate QB:ObjectReplacer
# CHECK-NEXT: panel open "QB:ObjectReplacer(1.00) " flags=64
# CHECK-NEXT: result 0
set 2 1
set 4 ..[[SEP]]..[[SEP]]..[[SEP]]data[[SEP]]replace[[SEP]]mixed[[SEP]]
press 6
# CHECK-NEXT: cmd ok SelectItem 0x10000000
# CHECK-NEXT: cmd ok ReplaceObjectLayer 2 ..[[SEP]]..[[SEP]]..[[SEP]]data[[SEP]]replace[[SEP]]mixed[[SEP]]wheels.lwo
# CHECK-NEXT: cmd ok StatusMsg {0.00}ReplaceObjectLayer...
# CHECK-NEXT: cmd ok SelectItem 0x10000001
# CHECK-NEXT: cmd ok ReplaceObjectLayer 1 ..[[SEP]]..[[SEP]]..[[SEP]]data[[SEP]]replace[[SEP]]mixed[[SEP]]wheels.lwo
# CHECK-NEXT: cmd ok StatusMsg {0.50}ReplaceObjectLayer...
# CHECK-NEXT: cmd ok StatusMsg {1.00}ReplaceObjectLayer...
# CHECK-NEXT: cmd ok StatusMsg {1.00}ReplaceObjectLayer...Done
# CHECK-NEXT: panel open "Result" flags=1
print panel Result
# CHECK-NEXT: panel "Result" open flags=1 width=610 height=320 controls=1
# CHECK-NEXT:   1 MultiListBoxControl "" x=5 y=0 value=0 normal rows=3 columns=220,20,320,40
# CHECK-NEXT:     heading "Item" "Layer" "File" "Result"
# CHECK-NEXT:     row 0 "wheels:Wheel" "2" "..[[QSEP]]..[[QSEP]]..[[QSEP]]data[[QSEP]]replace[[QSEP]]mixed[[QSEP]]wheels.lwo" "v"
# CHECK-NEXT:     row 1 "wheels:Rim" "1" "..[[QSEP]]..[[QSEP]]..[[QSEP]]data[[QSEP]]replace[[QSEP]]mixed[[QSEP]]wheels.lwo" "v"
# CHECK-NEXT:     row 2 "Car:Body" "-" "" "o"
close
# CHECK-NEXT: panel destroy "Result"
# CHECK-NEXT: cmd ok SelectItem 0x10000002
# CHECK-NEXT: cmd ok AddToSelection 0x10000001
# CHECK-NEXT: cmd ok AddToSelection 0x10000000
# CHECK-NEXT: panel close "QB:ObjectReplacer(1.00) "
print status
# CHECK-NEXT: status {1.00}ReplaceObjectLayer...Done
