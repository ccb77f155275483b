# With nothing selected the change field keeps the text stored by an earlier
# activation; a selection replaces it with the first item's name.
null Arm
activate QB:NameReplace
set 7 0
set 8 Stored
cancel
activate QB:NameReplace
print panel
cancel
select Arm
activate QB:NameReplace
print panel
cancel
