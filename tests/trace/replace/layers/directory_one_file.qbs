# Directory mode with a directory of one object file: every item is paired by
# its layer name with that file, whichever object it came from.
mesh Car:Wheel Objects[[SEP]]Car.lwo
mesh Van:Tyre Objects[[SEP]]Van.lwo
select Car:Wheel Van:Tyre
activate QB:ObjectReplacer
# CHECK-NEXT: panel open "QB:ObjectReplacer(1.00) " flags=64
# CHECK-NEXT: result 0
set 2 1
set 4 ..[[SEP]]..[[SEP]]..[[SEP]]data[[SEP]]replace[[SEP]]solo
press 6
# CHECK-NEXT: cmd ok SelectItem 0x10000000
# CHECK-NEXT: cmd ok ReplaceObjectLayer 1 ..[[SEP]]..[[SEP]]..[[SEP]]data[[SEP]]replace[[SEP]]solo[[SEP]]only.lwo
# CHECK-NEXT: cmd ok StatusMsg {0.00}ReplaceObjectLayer...
# CHECK-NEXT: cmd ok SelectItem 0x10000001
# CHECK-NEXT: cmd ok ReplaceObjectLayer 2 ..[[SEP]]..[[SEP]]..[[SEP]]data[[SEP]]replace[[SEP]]solo[[SEP]]only.lwo
# CHECK-NEXT: cmd ok StatusMsg {1.00}ReplaceObjectLayer...
# CHECK-NEXT: cmd ok StatusMsg {1.00}ReplaceObjectLayer...Done
# CHECK-NEXT: panel open "Result" flags=1
print panel Result
# CHECK-NEXT: panel "Result" open flags=1 width=610 height=320 controls=1
# CHECK-NEXT:   1 MultiListBoxControl "" x=5 y=0 value=0 normal rows=2 columns=220,20,320,40
# CHECK-NEXT:     heading "Item" "Layer" "File" "Result"
# CHECK-NEXT:     row 0 "only:Wheel" "1" "..[[QSEP]]..[[QSEP]]..[[QSEP]]data[[QSEP]]replace[[QSEP]]solo[[QSEP]]only.lwo" "v"
# CHECK-NEXT:     row 1 "only:Tyre" "2" "..[[QSEP]]..[[QSEP]]..[[QSEP]]data[[QSEP]]replace[[QSEP]]solo[[QSEP]]only.lwo" "v"
close
# CHECK-NEXT: panel destroy "Result"
# CHECK-NEXT: cmd ok SelectItem 0x10000001
# CHECK-NEXT: cmd ok AddToSelection 0x10000000
# CHECK-NEXT: panel close "QB:ObjectReplacer(1.00) "
print scene
# CHECK-NEXT: scene items=2 parent-in-place=off
# CHECK-NEXT: 0x10000000 mesh "only:Wheel" parent=none display=6 active file="..[[QSEP]]..[[QSEP]]..[[QSEP]]data[[QSEP]]replace[[QSEP]]solo[[QSEP]]only.lwo" layer=1 children=none
# CHECK-NEXT: 0x10000001 mesh "only:Tyre" parent=none display=6 active file="..[[QSEP]]..[[QSEP]]..[[QSEP]]data[[QSEP]]replace[[QSEP]]solo[[QSEP]]only.lwo" layer=2 children=none
