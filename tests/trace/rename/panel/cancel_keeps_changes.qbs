# A box changed and then Cancel: the engine does not run, and the next
# activation shows the box as changed (with every other change).
camera Cam_L_
select Cam_L_
activate QB:NameReplace
# CHECK-NEXT: panel open "QB:NameReplace(1.00) " flags=3
set 5 1
set 1 2
set 12 _X_
cancel
# CHECK-NEXT: panel close "QB:NameReplace(1.00) "
# CHECK-NEXT: panel destroy "QB:NameReplace(1.00) "
# CHECK-NEXT: result 0
print scene
# CHECK-NEXT: scene items=1 parent-in-place=off
# CHECK-NEXT: 0x30000000 camera "Cam_L_" parent=none visible=1 active children=none
activate QB:NameReplace
# CHECK-NEXT: panel open "QB:NameReplace(1.00) " flags=3
print control 1 5 8 12 value
# CHECK-NEXT: control 1 value=2 "All Item"
# CHECK-NEXT: control 5 value=1
# CHECK-NEXT: control 8 value="Cam_L_"
# CHECK-NEXT: control 12 value="_X_"
ok
# CHECK-NEXT: cmd ok SelectItem 0x30000000
# CHECK-NEXT: cmd ok Rename Cam_X_
# CHECK-NEXT: cmd ok StatusMsg {1.00}QB:NameReplace: Renaming...
# CHECK-NEXT: cmd ok StatusMsg QB:NameReplace: Done(1).
# CHECK-NEXT: cmd ok SelectItem 0x30000000
# CHECK-NEXT: panel close "QB:NameReplace(1.00) "
# CHECK-NEXT: panel destroy "QB:NameReplace(1.00) "
# CHECK-NEXT: result 0
print scene
# CHECK-NEXT: scene items=1 parent-in-place=off
# CHECK-NEXT: 0x30000000 camera "Cam_X_" parent=none visible=1 active children=none
