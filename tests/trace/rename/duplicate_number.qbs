# Names of the form "Name (2)" are renamed from their base name; a name with a
# blank before the number is used whole.
null "Arm_L_Up (2)"
null "Left Arm_L_ (3)"
null "Leg_L_ (x)"
select "Arm_L_Up (2)" "Left Arm_L_ (3)" "Leg_L_ (x)"
activate QB:NameReplace
ok
print scene
