# A panel the host cannot create ends the activation with 2; nothing else
# happens.  A missing host service does the same before any panel.
null Arm_L_Up
select Arm_L_Up
fail-panels on
activate QB:NameReplace
fail-panels off
missing "LW Item Info 8"
activate QB:NameReplace
provide "LW Item Info 8"
activate QB:NameReplace
ok
print scene
