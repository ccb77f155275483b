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
set 2 1
set 4 ..\..\data\replace\mixed\
press 6
print panel Result
close
print status
