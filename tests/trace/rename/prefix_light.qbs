# Prefix L_ on a selected light named Key, with lights included.
light Key
select Key
activate QB:NameReplace
# Mode popup (7): Prefix; prefix field (10); Light box (6).
set 7 1
set 9 L_
set 6 1
ok
print scene
print selection
