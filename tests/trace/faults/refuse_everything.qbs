# A host that refuses every command, the status line included: every tool
# still completes, the second layer reports each refusal in the status line
# (a report the host refuses in turn, and that is never reported again), and
# neither the scene nor the selection changes.
mesh Car:Body Objects[[SEP]]Car.lwo
null Pivot parent=Car:Body
null Arm_L_ parent=Pivot
light Key
select Pivot Arm_L_
refuse ""
# -- selection commands
activate QB:SelectItem Key
# CHECK-NEXT: cmd failed SelectItem 0x20000000
# CHECK-NEXT: result 0
activate QB:SelectItem Nothing*
# CHECK-NEXT: cmd failed StatusMsg {1.0} No items found!
# CHECK-NEXT: result 0
activate QB:SelectBranch
# CHECK-NEXT: cmd failed SelectItem 0x10000001
# CHECK-NEXT: cmd failed AddToSelection 0x10000002
# CHECK-NEXT: result 0
activate QB:ToggleVisible
# CHECK-NEXT: cmd failed SelectItem 0x10000001
# CHECK-NEXT: cmd failed SelectItem 0x10000001
# CHECK-NEXT: cmd failed SelectItem 0x10000002
# CHECK-NEXT: cmd failed SelectItem 0x10000002
# CHECK-NEXT: cmd failed SelectItem 0x10000002
# CHECK-NEXT: cmd failed AddToSelection 0x10000001
# CHECK-NEXT: result 0
activate QB:ToggleVisible Key
# CHECK-NEXT: cmd failed SelectItem 0x20000000
# CHECK-NEXT: cmd failed SelectItem 0x20000000
# CHECK-NEXT: cmd failed SelectItem 0x10000002
# CHECK-NEXT: cmd failed AddToSelection 0x10000001
# CHECK-NEXT: result 0
# -- item tools: parent, unparent, select by name, select branches
activate QB:ItemTools
# CHECK-NEXT: panel open "QB:ItemTools(1.00) " flags=64
# CHECK-NEXT: result 0
set 3 Key
press 6
# CHECK-NEXT: cmd failed ParentItem 0x20000000
# CHECK-NEXT: cmd failed RefreshNow
press 9
# CHECK-NEXT: cmd failed SelectItem 0x10000001
# CHECK-NEXT: cmd failed ParentItem 0
# CHECK-NEXT: cmd failed SelectItem 0x10000002
# CHECK-NEXT: cmd failed ParentItem 0
# CHECK-NEXT: cmd failed SelectItem 0x10000002
# CHECK-NEXT: cmd failed AddToSelection 0x10000001
# CHECK-NEXT: cmd failed RefreshNow
set 12 Key
press 15
# CHECK-NEXT: cmd failed SelectItem 0x20000000
press 18
# CHECK-NEXT: cmd failed SelectItem 0x10000001
# CHECK-NEXT: cmd failed AddToSelection 0x10000002
close
# -- item visibility
activate QB:ItemVisible
# CHECK-NEXT: panel open "QB:ItemVisible(1.00) " flags=64
# CHECK-NEXT: result 0
set 1 0
press 34
# CHECK-NEXT: cmd failed SelectItem 0x10000001
# CHECK-NEXT: cmd failed StatusMsg *** ERROR: eval( "SelectItem 0x10000001" ) !(0) ***
# CHECK-NEXT: cmd failed SelectItem 0x10000002
# CHECK-NEXT: cmd failed StatusMsg *** ERROR: eval( "SelectItem 0x10000002" ) !(0) ***
# CHECK-NEXT: cmd failed StatusMsg {1.00}Done(2).
# CHECK-NEXT: cmd failed StatusMsg *** ERROR: eval( "StatusMsg {1.00}Done(2)." ) !(0) ***
# CHECK-NEXT: cmd failed SelectItem 0x10000002
# CHECK-NEXT: cmd failed StatusMsg *** ERROR: eval( "SelectItem 0x10000002" ) !(0) ***
# CHECK-NEXT: cmd failed AddToSelection 0x10000001
# CHECK-NEXT: cmd failed StatusMsg *** ERROR: eval( "AddToSelection 0x10000001" ) !(0) ***
close
# -- rename
activate QB:NameReplace
# CHECK-NEXT: panel open "QB:NameReplace(1.00) " flags=3
set 7 1
set 9 P_
ok
# CHECK-NEXT: cmd failed SelectItem 0x10000001
# CHECK-NEXT: cmd failed StatusMsg {0.00}QB:NameReplace: Renaming...
# CHECK-NEXT: cmd failed SelectItem 0x10000002
# CHECK-NEXT: cmd failed StatusMsg {1.00}QB:NameReplace: Renaming...
# CHECK-NEXT: cmd failed StatusMsg QB:NameReplace: Done(0).
# CHECK-NEXT: cmd failed SelectItem 0x10000002
# CHECK-NEXT: cmd failed StatusMsg *** ERROR: eval( "SelectItem 0x10000002" ) !(0) ***
# CHECK-NEXT: cmd failed AddToSelection 0x10000001
# CHECK-NEXT: cmd failed StatusMsg *** ERROR: eval( "AddToSelection 0x10000001" ) !(0) ***
# CHECK-NEXT: panel close "QB:NameReplace(1.00) "
# CHECK-NEXT: panel destroy "QB:NameReplace(1.00) "
# CHECK-NEXT: result 0
# -- object replacer
select Car:Body Pivot
activate QB:ObjectReplacer
# CHECK-NEXT: panel open "QB:ObjectReplacer(1.00) " flags=64
# CHECK-NEXT: result 0
set 3 ..[[SEP]]..[[SEP]]data[[SEP]]replace[[SEP]]car.lwo
press 6
# CHECK-NEXT: cmd failed SelectItem 0x10000000
# CHECK-NEXT: cmd failed StatusMsg *** ERROR: eval( "SelectItem 0x10000000" ) !(0) ***
# CHECK-NEXT: cmd failed StatusMsg {0.00}ReplaceObjectLayer...
# CHECK-NEXT: cmd failed StatusMsg *** ERROR: eval( "StatusMsg {0.00}ReplaceObjectLayer..." ) !(0) ***
# CHECK-NEXT: cmd failed StatusMsg {1.00}ReplaceObjectLayer...
# CHECK-NEXT: cmd failed StatusMsg *** ERROR: eval( "StatusMsg {1.00}ReplaceObjectLayer..." ) !(0) ***
# CHECK-NEXT: cmd failed StatusMsg {1.00}ReplaceObjectLayer...Done
# CHECK-NEXT: cmd failed StatusMsg *** ERROR: eval( "StatusMsg {1.00}ReplaceObjectLayer...Done" ) !(0) ***
# CHECK-NEXT: panel open "Result" flags=1
print panel Result
# CHECK-NEXT: panel "Result" open flags=1 width=610 height=320 controls=1
# CHECK-NEXT:   1 MultiListBoxControl "" x=5 y=0 value=0 normal rows=1 columns=220,20,320,40
# CHECK-NEXT:     heading "Item" "Layer" "File" "Result"
# CHECK-NEXT:     row 0 "Car:Body" "1" "..[[QSEP]]..[[QSEP]]data[[QSEP]]replace[[QSEP]]car.lwo" "o"
close
# CHECK-NEXT: panel destroy "Result"
# CHECK-NEXT: cmd failed SelectItem 0x10000001
# CHECK-NEXT: cmd failed StatusMsg *** ERROR: eval( "SelectItem 0x10000001" ) !(0) ***
# CHECK-NEXT: cmd failed AddToSelection 0x10000000
# CHECK-NEXT: cmd failed StatusMsg *** ERROR: eval( "AddToSelection 0x10000000" ) !(0) ***
# CHECK-NEXT: panel close "QB:ObjectReplacer(1.00) "
print scene
# CHECK-NEXT: scene items=4 parent-in-place=off
# CHECK-NEXT: 0x10000000 mesh "Car:Body" parent=none display=6 active file="Objects[[QSEP]]Car.lwo" layer=1 children=0x10000001
# CHECK-NEXT: 0x10000001 null "Pivot" parent=0x10000000 display=6 active file="" layer=0 children=0x10000002
# CHECK-NEXT: 0x10000002 null "Arm_L_" parent=0x10000001 display=6 active file="" layer=0 children=none
# CHECK-NEXT: 0x20000000 light "Key" parent=none visible=1 active children=none
print selection
# CHECK-NEXT: selection 0x10000000 0x10000001
print status
# CHECK-NEXT: status
# -- only the commands that change the scene refused: every tool gives the selection back
accept ""
refuse ParentItem
refuse ItemVisibility
refuse ItemActive
refuse Rename
refuse ReplaceObjectLayer
select Pivot Arm_L_
activate QB:ToggleVisible
# CHECK-NEXT: cmd ok SelectItem 0x10000001
# CHECK-NEXT: cmd failed ItemVisibility 0
# CHECK-NEXT: cmd ok SelectItem 0x10000001
# CHECK-NEXT: cmd failed ItemActive
# CHECK-NEXT: cmd ok SelectItem 0x10000002
# CHECK-NEXT: cmd failed ItemVisibility 0
# CHECK-NEXT: cmd ok SelectItem 0x10000002
# CHECK-NEXT: cmd failed ItemActive
# CHECK-NEXT: cmd ok SelectItem 0x10000002
# CHECK-NEXT: cmd ok AddToSelection 0x10000001
# CHECK-NEXT: result 0
print selection
# CHECK-NEXT: selection 0x10000002 0x10000001
activate QB:ItemVisible
# CHECK-NEXT: panel front "QB:ItemVisible(1.00) "
# CHECK-NEXT: panel open "QB:ItemVisible(1.00) " flags=64
# CHECK-NEXT: result 0
press 34
# CHECK-NEXT: cmd ok SelectItem 0x10000002
# CHECK-NEXT: cmd failed ItemVisibility 0
# CHECK-NEXT: cmd ok StatusMsg *** ERROR: eval( "ItemVisibility 0" ) !(0) ***
# CHECK-NEXT: cmd ok SelectItem 0x10000002
# CHECK-NEXT: cmd failed ItemActive
# CHECK-NEXT: cmd ok StatusMsg *** ERROR: eval( "ItemActive" ) !(0) ***
# CHECK-NEXT: cmd ok SelectItem 0x10000001
# CHECK-NEXT: cmd failed ItemVisibility 0
# CHECK-NEXT: cmd ok StatusMsg *** ERROR: eval( "ItemVisibility 0" ) !(0) ***
# CHECK-NEXT: cmd ok SelectItem 0x10000001
# CHECK-NEXT: cmd failed ItemActive
# CHECK-NEXT: cmd ok StatusMsg *** ERROR: eval( "ItemActive" ) !(0) ***
# CHECK-NEXT: cmd ok StatusMsg {1.00}Done(2).
# CHECK-NEXT: cmd ok SelectItem 0x10000001
# CHECK-NEXT: cmd ok AddToSelection 0x10000002
close
print selection
# CHECK-NEXT: selection 0x10000001 0x10000002
activate QB:NameReplace
# CHECK-NEXT: panel open "QB:NameReplace(1.00) " flags=3
ok
# CHECK-NEXT: cmd ok SelectItem 0x10000001
# CHECK-NEXT: cmd failed Rename P_Pivot
# CHECK-NEXT: cmd ok StatusMsg *** ERROR: eval( "Rename P_Pivot" ) !(0) ***
# CHECK-NEXT: cmd ok StatusMsg {0.00}QB:NameReplace: Renaming...
# CHECK-NEXT: cmd ok SelectItem 0x10000002
# CHECK-NEXT: cmd failed Rename P_Arm_L_
# CHECK-NEXT: cmd ok StatusMsg *** ERROR: eval( "Rename P_Arm_L_" ) !(0) ***
# CHECK-NEXT: cmd ok StatusMsg {1.00}QB:NameReplace: Renaming...
# CHECK-NEXT: cmd ok StatusMsg QB:NameReplace: Done(0).
# CHECK-NEXT: cmd ok SelectItem 0x10000002
# CHECK-NEXT: cmd ok AddToSelection 0x10000001
# CHECK-NEXT: panel close "QB:NameReplace(1.00) "
# CHECK-NEXT: panel destroy "QB:NameReplace(1.00) "
# CHECK-NEXT: result 0
print selection
# CHECK-NEXT: selection 0x10000002 0x10000001
select Car:Body Pivot
activate QB:ObjectReplacer
# CHECK-NEXT: panel open "QB:ObjectReplacer(1.00) " flags=64
# CHECK-NEXT: result 0
press 6
# CHECK-NEXT: cmd ok SelectItem 0x10000000
# CHECK-NEXT: cmd failed ReplaceObjectLayer 1 ..[[SEP]]..[[SEP]]data[[SEP]]replace[[SEP]]car.lwo
# CHECK-NEXT: cmd ok StatusMsg *** ERROR: eval( "ReplaceObjectLayer 1 ..[[SEP]]..[[SEP]]data[[SEP]]replace[[SEP]]car.lwo" ) !(0) ***
# CHECK-NEXT: cmd ok StatusMsg {0.00}ReplaceObjectLayer...
# CHECK-NEXT: cmd ok StatusMsg {1.00}ReplaceObjectLayer...
# CHECK-NEXT: cmd ok StatusMsg {1.00}ReplaceObjectLayer...Done
# CHECK-NEXT: panel open "Result" flags=1
print panel Result
# CHECK-NEXT: panel "Result" open flags=1 width=610 height=320 controls=1
# CHECK-NEXT:   1 MultiListBoxControl "" x=5 y=0 value=0 normal rows=1 columns=220,20,320,40
# CHECK-NEXT:     heading "Item" "Layer" "File" "Result"
# CHECK-NEXT:     row 0 "Car:Body" "1" "..[[QSEP]]..[[QSEP]]data[[QSEP]]replace[[QSEP]]car.lwo" "o"
close
# CHECK-NEXT: panel destroy "Result"
# CHECK-NEXT: cmd ok SelectItem 0x10000001
# CHECK-NEXT: cmd ok AddToSelection 0x10000000
# CHECK-NEXT: panel close "QB:ObjectReplacer(1.00) "
print selection
# CHECK-NEXT: selection 0x10000001 0x10000000
print scene
# CHECK-NEXT: scene items=4 parent-in-place=off
# CHECK-NEXT: 0x10000000 mesh "Car:Body" parent=none display=6 active file="Objects[[QSEP]]Car.lwo" layer=1 children=0x10000001
# CHECK-NEXT: 0x10000001 null "Pivot" parent=0x10000000 display=6 active file="" layer=0 children=0x10000002
# CHECK-NEXT: 0x10000002 null "Arm_L_" parent=0x10000001 display=6 active file="" layer=0 children=none
# CHECK-NEXT: 0x20000000 light "Key" parent=none visible=1 active children=none
# -- AddToSelection refused: the selection comes back as far as the host lets it
accept ""
refuse AddToSelection
activate QB:NameReplace
# CHECK-NEXT: panel open "QB:NameReplace(1.00) " flags=3
ok
# CHECK-NEXT: cmd ok SelectItem 0x10000001
# CHECK-NEXT: cmd ok Rename P_Pivot
# CHECK-NEXT: cmd ok StatusMsg {0.00}QB:NameReplace: Renaming...
# CHECK-NEXT: cmd ok StatusMsg {1.00}QB:NameReplace: Renaming...
# CHECK-NEXT: cmd ok StatusMsg QB:NameReplace: Done(1).
# CHECK-NEXT: cmd ok SelectItem 0x10000000
# CHECK-NEXT: cmd failed AddToSelection 0x10000001
# CHECK-NEXT: cmd ok StatusMsg *** ERROR: eval( "AddToSelection 0x10000001" ) !(0) ***
# CHECK-NEXT: panel close "QB:NameReplace(1.00) "
# CHECK-NEXT: panel destroy "QB:NameReplace(1.00) "
# CHECK-NEXT: result 0
print selection
# CHECK-NEXT: selection 0x10000000
