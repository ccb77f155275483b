# Windows: the paths in the scene and in the field use backslashes, and the
# listed files are joined to the folder with a backslash.
# Directory mode over a directory holding one object file among a picture, a
# text file, an empty .lwo, a FORM file of another type and a subdirectory
# (whose object file also has a Wheel layer but is never read).  The trailing
# separator in the field is dropped from the paths.
mesh Car:Wheel Objects\Car.lwo
mesh Car:Rim Objects\Car.lwo
mesh Car:Body Objects\Car.lwo
select Car:Wheel Car:Rim Car:Body
activate QB:ObjectReplacer
# CHECK: panel open "QB:ObjectReplacer(1.00) " flags=64
# CHECK-NEXT: result 0
set 2 1
set 4 ..\..\..\data\replace\mixed\
press 6
# CHECK-NEXT: cmd ok SelectItem 0x10000000
# CHECK-NEXT: cmd ok ReplaceObjectLayer 2 ..\..\..\data\replace\mixed\wheels.lwo
# CHECK-NEXT: cmd ok StatusMsg {0.00}ReplaceObjectLayer...
# CHECK-NEXT: cmd ok SelectItem 0x10000001
# CHECK-NEXT: cmd ok ReplaceObjectLayer 1 ..\..\..\data\replace\mixed\wheels.lwo
# CHECK-NEXT: cmd ok StatusMsg {0.50}ReplaceObjectLayer...
# CHECK-NEXT: cmd ok StatusMsg {1.00}ReplaceObjectLayer...
# CHECK-NEXT: cmd ok StatusMsg {1.00}ReplaceObjectLayer...Done
# CHECK-NEXT: panel open "Result" flags=1
print panel Result
# CHECK-NEXT: panel "Result" open flags=1 width=610 height=320 controls=1
# CHECK-NEXT:   1 MultiListBoxControl "" x=5 y=0 value=0 normal rows=3 columns=220,20,320,40
# CHECK-NEXT:     heading "Item" "Layer" "File" "Result"
# CHECK-NEXT:     row 0 "wheels:Wheel" "2" "..\\..\\..\\data\\replace\\mixed\\wheels.lwo" "v"
# CHECK-NEXT:     row 1 "wheels:Rim" "1" "..\\..\\..\\data\\replace\\mixed\\wheels.lwo" "v"
# CHECK-NEXT:     row 2 "Car:Body" "-" "" "o"
close
# CHECK-NEXT: panel destroy "Result"
# CHECK-NEXT: cmd ok SelectItem 0x10000002
# CHECK-NEXT: cmd ok AddToSelection 0x10000001
# CHECK-NEXT: cmd ok AddToSelection 0x10000000
# CHECK-NEXT: panel close "QB:ObjectReplacer(1.00) "
print status
# CHECK-NEXT: status {1.00}ReplaceObjectLayer...Done
