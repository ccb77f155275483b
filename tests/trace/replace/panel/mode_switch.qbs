# Choosing "Select directory" ghosts the file field and draws the directory
# field normally; "Select file" reverses it.  A ghosted field takes no input.
activate QB:ObjectReplacer
# CHECK-NEXT: panel open "QB:ObjectReplacer(1.00) " flags=64
# CHECK-NEXT: result 0
print control 3 value
# CHECK-NEXT: control 3 value=""
set 2 1
print control 2 value
print control 3 value state
print control 4 state
# CHECK-NEXT: control 2 value=1 "Select directory"
# CHECK-NEXT: control 3 value="" state=ghosted
# CHECK-NEXT: control 4 state=normal
set 3 ignored.lwo
# CHECK-NEXT: no action: control 3 "File" is ghosted
set 4 Objects
set 2 0
print control 2 3 4 value
# CHECK-NEXT: control 2 value=0 "Select file"
# CHECK-NEXT: control 3 value=""
# CHECK-NEXT: control 4 value="Objects"
set 4 ignored
# CHECK-NEXT: no action: control 4 "Directory" is ghosted
