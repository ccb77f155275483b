# Emptying the file field and activating again: the field stays empty, since
# the default is taken only when the panel is built.
mesh Car Objects/Car.lwo
select Car
activate QB:ObjectReplacer
set 3 ""
press 6
activate QB:ObjectReplacer
print panel
