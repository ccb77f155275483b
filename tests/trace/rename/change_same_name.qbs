# Change: every target gets the same name (the pre-filled Key); the light
# already named Key gets no command.  Then an empty change text changes nothing.
light Key
light Fill
null Rim
select Key Fill Rim
activate QB:NameReplace
set 6 1
set 7 0
ok
print scene
activate QB:NameReplace
set 8 ""
ok
print scene
