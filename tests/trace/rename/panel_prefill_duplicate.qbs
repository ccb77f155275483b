# The pre-fill takes the base name of a name of the form "Name (2)".
null "Key (2)"
select "Key (2)"
activate QB:NameReplace
set 7 0
print panel
cancel
