# A one-layer object item named Box, for which the host reports layer number
# 1: the key is Layer1, the name the reader gives the unnamed layer 0.
mesh Box Objects/Box.lwo
select Box
activate QB:ObjectReplacer
set 3 ../../data/replace/box.lwo
press 6
print panel Result
close
print scene
