# Flags 3 and 1 block: the host reads the next statements until ok, cancel or
# close, and the open call returns 1 for OK, 0 for Cancel.
null A_L_1
null B_L_2
select A_L_1
activate QB:NameReplace
set 1 2
echo -- inside the modal panel
print panel
ok
print scene
echo -- cancel runs nothing
activate QB:NameReplace
set 7 0
set 8 Renamed
cancel
print scene
echo -- the next activation shows the settings kept from before the cancel
activate QB:NameReplace
print panel
close
print scene
