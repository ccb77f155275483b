# The first library layer looks its services up once per module lifetime and
# checks nothing, trusting a host that passed the version check.  A host that
# lacks one of them anyway: each tool of that layer still completes with 0,
# sends nothing it cannot send, and never crashes.  The module is unloaded
# before each case, so that the service table is filled afresh.
generation 2018
mesh Cube
null Pivot parent=Cube
light Key
select Cube
# -- without "LW Command Interface": nothing is sent, nothing changes
missing "LW Command Interface"
activate QB:SelectItem Pivot
# CHECK-NEXT: result 0
activate QB:SelectBranch
# CHECK-NEXT: result 0
activate QB:ToggleVisible Key
# CHECK-NEXT: result 0
activate QB:ItemTools
# CHECK-NEXT: panel open "QB:ItemTools(1.00) " flags=64
# CHECK-NEXT: result 0
set 12 Key
press 15
press 18
close
print selection
# CHECK-NEXT: selection 0x10000000
print scene
# CHECK-NEXT: scene items=3 parent-in-place=off
# CHECK-NEXT: 0x10000000 mesh "Cube" parent=none display=6 active file="Objects/Cube.lwo" layer=1 children=0x10000001
# CHECK-NEXT: 0x10000001 null "Pivot" parent=0x10000000 display=6 active file="" layer=0 children=none
# CHECK-NEXT: 0x20000000 light "Key" parent=none visible=1 active children=none
provide "LW Command Interface"
# -- without "LW Interface Info 7": the selection reads as empty
unload
missing "LW Interface Info 7"
activate QB:SelectItem Pivot
# CHECK-NEXT: cmd ok SelectItem 0x10000001
# CHECK-NEXT: result 0
activate QB:SelectBranch
# CHECK-NEXT: cmd ok StatusMsg {1.0} No items found!
# CHECK-NEXT: result 0
activate QB:ToggleVisible
# CHECK-NEXT: result 0
activate QB:ToggleVisible Key
# CHECK-NEXT: cmd ok SelectItem 0x20000000
# CHECK-NEXT: result 0
activate QB:ItemTools
# CHECK-NEXT: panel open "QB:ItemTools(1.00) " flags=64
# CHECK-NEXT: result 0
press 18
# CHECK-NEXT: cmd ok StatusMsg {1.0} No items found!
close
print selection
# CHECK-NEXT: selection 0x20000000
print scene
# CHECK-NEXT: scene items=3 parent-in-place=off
# CHECK-NEXT: 0x10000000 mesh "Cube" parent=none display=6 active file="Objects/Cube.lwo" layer=1 children=0x10000001
# CHECK-NEXT: 0x10000001 null "Pivot" parent=0x10000000 display=6 active file="" layer=0 children=none
# CHECK-NEXT: 0x20000000 light "Key" parent=none visible=1 active children=none
provide "LW Interface Info 7"
# -- without "LW Item Info 8": no item can be found or walked
unload
select Cube
missing "LW Item Info 8"
activate QB:SelectItem Pivot
# CHECK-NEXT: cmd ok StatusMsg {1.0} No items found!
# CHECK-NEXT: result 0
activate QB:SelectBranch
# CHECK-NEXT: result 0
activate QB:ToggleVisible
# CHECK-NEXT: cmd ok SelectItem 0x10000000
# CHECK-NEXT: cmd ok ItemVisibility 0
# CHECK-NEXT: result 0
activate QB:ToggleVisible Key
# CHECK-NEXT: result 0
activate QB:ItemTools
# CHECK-NEXT: panel open "QB:ItemTools(1.00) " flags=64
# CHECK-NEXT: result 0
set 12 Key
press 15
# CHECK-NEXT: cmd ok StatusMsg {1.0} No items found!
press 18
close
print selection
# CHECK-NEXT: selection 0x10000000
print scene
# CHECK-NEXT: scene items=3 parent-in-place=off
# CHECK-NEXT: 0x10000000 mesh "Cube" parent=none display=0 active file="Objects/Cube.lwo" layer=1 children=0x10000001
# CHECK-NEXT: 0x10000001 null "Pivot" parent=0x10000000 display=6 active file="" layer=0 children=none
# CHECK-NEXT: 0x20000000 light "Key" parent=none visible=1 active children=none
provide "LW Item Info 8"
# -- without "LW Object Info 12"
unload
select Cube
missing "LW Object Info 12"
activate QB:SelectItem Pivot
# CHECK-NEXT: cmd ok SelectItem 0x10000001
# CHECK-NEXT: result 0
activate QB:SelectBranch
# CHECK-NEXT: cmd ok SelectItem 0x10000001
# CHECK-NEXT: result 0
activate QB:ToggleVisible Key
# CHECK-NEXT: cmd ok SelectItem 0x20000000
# CHECK-NEXT: cmd ok ItemVisibility 0
# CHECK-NEXT: cmd ok SelectItem 0x20000000
# CHECK-NEXT: cmd ok ItemActive
# CHECK-NEXT: cmd ok SelectItem 0x10000001
# CHECK-NEXT: result 0
print selection
# CHECK-NEXT: selection 0x10000001
provide "LW Object Info 12"
# -- without "LWPanelServices 2": the item tools panel cannot be made
unload
missing "LWPanelServices 2"
activate QB:ItemTools
# CHECK-NEXT: result 2
activate QB:SelectItem Cube
# CHECK-NEXT: cmd ok SelectItem 0x10000000
# CHECK-NEXT: result 0
print selection
# CHECK-NEXT: selection 0x10000000
provide "LWPanelServices 2"
# -- without "Product Info": no tool starts
unload
missing "Product Info"
activate QB:SelectItem Pivot
# CHECK-NEXT: result 1
activate QB:ToggleVisible Key
# CHECK-NEXT: result 1
activate QB:ItemTools
# CHECK-NEXT: result 1
activate QB:ItemVisible
# CHECK-NEXT: result 1
activate QB:NameReplace
# CHECK-NEXT: result 1
activate QB:ObjectReplacer
# CHECK-NEXT: result 1
provide "Product Info"
# -- everything back
unload
activate QB:SelectItem Pivot
# CHECK-NEXT: cmd ok SelectItem 0x10000001
# CHECK-NEXT: result 0
print selection
# CHECK-NEXT: selection 0x10000001
