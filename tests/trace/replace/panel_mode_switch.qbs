# Choosing "Select directory" ghosts the file field and draws the directory
# field normally; "Select file" reverses it.  A ghosted field takes no input.
activate QB:ObjectReplacer
print panel
set 2 1
print panel
set 3 ignored.lwo
set 4 Objects
set 2 0
print panel
set 4 ignored
