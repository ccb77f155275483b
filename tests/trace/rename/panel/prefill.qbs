# With the light Key selected first, the change field holds Key; OK gives
# every target that passes the type filter the name Key (Key itself gets no
# command).
light Key
light Fill
null Rim
camera Cam
select Key Fill Rim Cam
activate QB:NameReplace
# CHECK-NEXT: panel open "QB:NameReplace(1.00) " flags=3
set 7 0
print control 7 value
print control 8 value state
print control 11 12 state
# CHECK-NEXT: control 7 value=0 "Change"
# CHECK-NEXT: control 8 value="Key" state=normal
# CHECK-NEXT: control 11 state=erased
# CHECK-NEXT: control 12 state=erased
set 6 1
ok
# CHECK-NEXT: cmd ok StatusMsg {0.00}QB:NameReplace: Renaming...
# CHECK-NEXT: cmd ok SelectItem 0x20000001
# CHECK-NEXT: cmd ok Rename Key
# CHECK-NEXT: cmd ok StatusMsg {0.33}QB:NameReplace: Renaming...
# CHECK-NEXT: cmd ok SelectItem 0x10000000
# CHECK-NEXT: cmd ok Rename Key
# CHECK-NEXT: cmd ok StatusMsg {0.67}QB:NameReplace: Renaming...
# CHECK-NEXT: cmd ok StatusMsg {1.00}QB:NameReplace: Renaming...
# CHECK-NEXT: cmd ok StatusMsg QB:NameReplace: Done(2).
# CHECK-NEXT: cmd ok SelectItem 0x30000000
# CHECK-NEXT: cmd ok AddToSelection 0x10000000
# CHECK-NEXT: cmd ok AddToSelection 0x20000001
# CHECK-NEXT: cmd ok AddToSelection 0x20000000
# CHECK-NEXT: panel close "QB:NameReplace(1.00) "
# CHECK-NEXT: panel destroy "QB:NameReplace(1.00) "
# CHECK-NEXT: result 0
print scene
# CHECK-NEXT: scene items=4 parent-in-place=off
# CHECK-NEXT: 0x10000000 null "Key" parent=none display=6 active file="" layer=0 children=none
# CHECK-NEXT: 0x20000000 light "Key" parent=none visible=1 active children=none
# CHECK-NEXT: 0x20000001 light "Key" parent=none visible=1 active children=none
# CHECK-NEXT: 0x30000000 camera "Cam" parent=none visible=1 active children=none
