# Windows: the paths use backslashes, and the listed file is joined to the
# folder with a backslash.
# Directory mode with a directory of one object file: every item is paired by
# its layer name with that file, whichever object it came from.
mesh Car:Wheel Objects\Car.lwo
mesh Van:Tyre Objects\Van.lwo
select Car:Wheel Van:Tyre
activate QB:ObjectReplacer
set 2 1
set 4 ..\..\data\replace\solo
press 6
print panel Result
close
print scene
