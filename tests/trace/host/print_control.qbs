# print control prints chosen controls of the topmost open panel, whole or
# only the named fields in the order given; a multi-list's field "list" gives
# its rows.  A control or field that does not exist is a script error.
mesh Cube Objects/Cube.lwo
select Cube
activate QB:ObjectReplacer
# CHECK-NEXT: panel open "QB:ObjectReplacer(1.00) " flags=64
# CHECK-NEXT: result 0
print control 2
# CHECK-NEXT: control 2 ChoiceControl "Mode" x=43 y=25 value=0 "Select file" normal
print control 4 3 state type label
# CHECK-NEXT: control 4 state=ghosted type=DirControl label="Directory"
# CHECK-NEXT: control 3 state=normal type=FileControl label="File"
set 3 ../../data/replace/box.lwo
press 6
# CHECK: cmd ok SelectItem 0x10000000
# CHECK: cmd ok ReplaceObjectLayer 1 ../../data/replace/box.lwo
# CHECK: cmd ok StatusMsg {1.00}ReplaceObjectLayer...
# CHECK: cmd ok StatusMsg {1.00}ReplaceObjectLayer...Done
# CHECK: panel open "Result" flags=1
print control 1 list
# CHECK-NEXT: control 1 rows=1 columns=220,20,320,40
# CHECK-NEXT:     heading "Item" "Layer" "File" "Result"
# CHECK-NEXT:     row 0 "box" "1" "../../data/replace/box.lwo" "v"
close
# CHECK: cmd ok SelectItem 0x10000000
# CHECK: panel close "QB:ObjectReplacer(1.00) "
print control 1
# CHECK-STDERR: print_control.qbs:[[@LINE-1]]: no open panel
# CHECK-EXIT: 1
