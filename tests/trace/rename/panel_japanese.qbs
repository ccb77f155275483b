# Locale 1041: Japanese labels and item lists; the Null box keeps its label.
locale 1041
activate QB:NameReplace
print panel
set 1 1
set 7 4
print panel
set 1 2
set 7 0
print panel
set 7 1
print panel
set 7 2
print panel
cancel
