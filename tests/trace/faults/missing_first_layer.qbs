# The first library layer looks its services up once per module lifetime and
# checks nothing, trusting a host that passed the version check.  A host that
# lacks one of them anyway: each tool of that layer still completes with 0,
# sends nothing it cannot send, and never crashes.  The module is unloaded
# before each case, so that the service table is filled afresh.
mesh Cube
null Pivot parent=Cube
light Key
select Cube
echo -- without "LW Command Interface": nothing is sent, nothing changes
missing "LW Command Interface"
activate QB:SelectItem Pivot
activate QB:SelectBranch
activate QB:ToggleVisible Key
activate QB:ItemTools
set 12 Key
press 15
press 18
close
print selection
print scene
provide "LW Command Interface"
echo -- without "LW Interface Info 7": the selection reads as empty
unload
missing "LW Interface Info 7"
activate QB:SelectItem Pivot
activate QB:SelectBranch
activate QB:ToggleVisible
activate QB:ToggleVisible Key
activate QB:ItemTools
press 18
close
print selection
print scene
provide "LW Interface Info 7"
echo -- without "LW Item Info 8": no item can be found or walked
unload
select Cube
missing "LW Item Info 8"
activate QB:SelectItem Pivot
activate QB:SelectBranch
activate QB:ToggleVisible
activate QB:ToggleVisible Key
activate QB:ItemTools
set 12 Key
press 15
press 18
close
print selection
print scene
provide "LW Item Info 8"
echo -- without "LW Object Info 12"
unload
select Cube
missing "LW Object Info 12"
activate QB:SelectItem Pivot
activate QB:SelectBranch
activate QB:ToggleVisible Key
print selection
provide "LW Object Info 12"
echo -- without "LWPanelServices 2": the item tools panel cannot be made
unload
missing "LWPanelServices 2"
activate QB:ItemTools
activate QB:SelectItem Cube
print selection
provide "LWPanelServices 2"
echo -- without "Product Info": no tool starts
unload
missing "Product Info"
activate QB:SelectItem Pivot
activate QB:ToggleVisible Key
activate QB:ItemTools
activate QB:ItemVisible
activate QB:NameReplace
activate QB:ObjectReplacer
provide "Product Info"
echo -- everything back
unload
activate QB:SelectItem Pivot
print selection
