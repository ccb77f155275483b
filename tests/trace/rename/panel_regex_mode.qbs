# Choosing Regular Expression hides the search and replace fields and shows
# the pattern field and the pattern replace field in their place; a hidden
# field takes no input.
activate QB:NameReplace
set 7 4
print panel
set 11 typed
set 7 3
print panel
cancel
