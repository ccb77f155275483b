# A box changed and then Cancel: the engine does not run, and the next
# activation shows the box as changed (with every other change).
camera Cam_L_
select Cam_L_
activate QB:NameReplace
set 5 1
set 1 2
set 12 _X_
cancel
print scene
activate QB:NameReplace
print panel
ok
print scene
