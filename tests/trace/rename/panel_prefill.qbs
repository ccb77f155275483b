# With the light Key selected first, the change field holds Key; OK gives
# every target that passes the type filter the name Key (Key itself gets no
# command).
light Key
light Fill
null Rim
camera Cam
select Key Fill Rim Cam
activate QB:NameReplace
set 7 0
print panel
set 6 1
ok
print scene
