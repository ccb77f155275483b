# Regular Expression [0-9]+ replaced by #; then by $1, which is kept as the
# two characters $ and 1.
null Bone12a
null Bone7b
select Bone12a
activate QB:NameReplace
set 7 4
set 13 [0-9]+
set 14 #
ok
select Bone7b
activate QB:NameReplace
set 14 $1
ok
print scene
