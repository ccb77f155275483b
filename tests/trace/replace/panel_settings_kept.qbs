# After Run the panel closes, and the next activation shows it again with the
# same scope, mode, file and directory; nothing is rebuilt.
mesh Car Objects/Car.lwo
select Car
activate QB:ObjectReplacer
set 1 1
set 3 Objects/Other.lwo
set 2 1
set 4 ../../data/replace/absent/
press 6
print selection
activate QB:ObjectReplacer
print panel
