# A panel the host cannot create ends the activation with 2; nothing else
# happens.  A missing host service does the same before any panel.
generation 2018
null Arm_L_Up
select Arm_L_Up
fail-panels on
activate QB:NameReplace
# CHECK-NEXT: result 2
fail-panels off
missing "LW Item Info 8"
activate QB:NameReplace
# CHECK-NEXT: result 2
provide "LW Item Info 8"
activate QB:NameReplace
# CHECK-NEXT: panel open "QB:NameReplace(1.00) " flags=3
ok
# CHECK-NEXT: cmd ok SelectItem 0x10000000
# CHECK-NEXT: cmd ok Rename Arm_R_Up
# CHECK-NEXT: cmd ok StatusMsg {1.00}QB:NameReplace: Renaming...
# CHECK-NEXT: cmd ok StatusMsg QB:NameReplace: Done(1).
# CHECK-NEXT: cmd ok SelectItem 0x10000000
# CHECK-NEXT: panel close "QB:NameReplace(1.00) "
# CHECK-NEXT: panel destroy "QB:NameReplace(1.00) "
# CHECK-NEXT: result 0
print scene
# CHECK-NEXT: scene items=1 parent-in-place=off
# CHECK-NEXT: 0x10000000 null "Arm_R_Up" parent=none display=6 active file="" layer=0 children=none
