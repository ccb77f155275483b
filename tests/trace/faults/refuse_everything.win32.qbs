# Windows: the object's file path uses backslashes, the only separator there.
# A host that refuses every command, the status line included: every tool
# still completes, the second layer reports each refusal in the status line
# (a report the host refuses in turn, and that is never reported again), and
# neither the scene nor the selection changes.
mesh Car:Body Objects\Car.lwo
null Pivot parent=Car:Body
null Arm_L_ parent=Pivot
light Key
select Pivot Arm_L_
refuse ""
echo -- selection commands
activate QB:SelectItem Key
activate QB:SelectItem Nothing*
activate QB:SelectBranch
activate QB:ToggleVisible
activate QB:ToggleVisible Key
echo -- item tools: parent, unparent, select by name, select branches
activate QB:ItemTools
set 3 Key
press 6
press 9
set 12 Key
press 15
press 18
close
echo -- item visibility
activate QB:ItemVisible
set 1 0
press 34
close
echo -- rename
activate QB:NameReplace
set 7 1
set 9 P_
ok
echo -- object replacer
select Car:Body Pivot
activate QB:ObjectReplacer
set 3 ..\..\data\replace\car.lwo
press 6
print panel Result
close
print scene
print selection
print status
echo -- only the commands that change the scene refused: every tool gives the selection back
accept ""
refuse ParentItem
refuse ItemVisibility
refuse ItemActive
refuse Rename
refuse ReplaceObjectLayer
select Pivot Arm_L_
activate QB:ToggleVisible
print selection
activate QB:ItemVisible
press 34
close
print selection
activate QB:NameReplace
ok
print selection
select Car:Body Pivot
activate QB:ObjectReplacer
press 6
print panel Result
close
print selection
print scene
echo -- AddToSelection refused: the selection comes back as far as the host lets it
accept ""
refuse AddToSelection
activate QB:NameReplace
ok
print selection
