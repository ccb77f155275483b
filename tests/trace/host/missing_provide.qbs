# missing NAME makes a lookup answer null; provide NAME undoes it.
mesh Cube
select Cube
trace lookups on
missing "LW Item Info 8"
activate QB:NameReplace
trace lookups off
provide "LW Item Info 8"
activate QB:NameReplace
cancel
echo -- a locale of 0 is as good as none for the second layer
locale 0
activate QB:NameReplace
