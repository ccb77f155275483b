# "LW Interface Info 7" vanishes in the middle of a run (the host answers
# null from some lookup on).  The second layer shows
# "g_global( LWINTERFACEINFO_GLOBAL, GFUSE_TRANSIENT )" as an error in the
# status line and the run ends there; no exception reaches the host, the
# panel tools stay usable, and the next run works once the service is back.
generation 2018
mesh Body
null Pivot parent=Body
null Arm_L_ parent=Pivot
select 0x10000001 0x10000002
# -- item visibility: gone after the first item's first command
activate QB:ItemVisible
# CHECK-NEXT: panel open "QB:ItemVisible(1.00) " flags=64
# CHECK-NEXT: result 0
set 1 0
set 10 1
missing-after "LW Interface Info 7" 3
press 34
# CHECK-NEXT: cmd ok SelectItem 0x10000001
# CHECK-NEXT: cmd ok ItemVisibility 0
# CHECK-NEXT: cmd ok SelectItem 0x10000001
# CHECK-NEXT: cmd ok StatusMsg *** ERROR: g_global( LWINTERFACEINFO_GLOBAL, GFUSE_TRANSIENT ) ***
print status
# CHECK-NEXT: status *** ERROR: g_global( LWINTERFACEINFO_GLOBAL, GFUSE_TRANSIENT ) ***
print selection
# CHECK-NEXT: selection 0x10000001
print scene
# CHECK-NEXT: scene items=3 parent-in-place=off
# CHECK-NEXT: 0x10000000 mesh "Body" parent=none display=6 active file="Objects/Body.lwo" layer=1 children=0x10000001
# CHECK-NEXT: 0x10000001 null "Pivot" parent=0x10000000 display=0 active file="" layer=0 children=0x10000002
# CHECK-NEXT: 0x10000002 null "Arm_L_" parent=0x10000001 display=6 active file="" layer=0 children=none
provide "LW Interface Info 7"
# -- item visibility: gone only for giving the selection back
select 0x10000001 0x10000002
missing-after "LW Interface Info 7" 6
press 34
# CHECK-NEXT: cmd ok SelectItem 0x10000001
# CHECK-NEXT: cmd ok ItemVisibility 0
# CHECK-NEXT: cmd ok SelectItem 0x10000001
# CHECK-NEXT: cmd ok ItemActive
# CHECK-NEXT: cmd ok SelectItem 0x10000002
# CHECK-NEXT: cmd ok ItemVisibility 0
# CHECK-NEXT: cmd ok SelectItem 0x10000002
# CHECK-NEXT: cmd ok ItemActive
# CHECK-NEXT: cmd ok StatusMsg {1.00}Done(2).
# CHECK-NEXT: cmd ok SelectItem 0x10000002
# CHECK-NEXT: cmd ok AddToSelection 0x10000001
# CHECK-NEXT: cmd ok StatusMsg *** ERROR: g_global( LWINTERFACEINFO_GLOBAL, GFUSE_TRANSIENT ) ***
print status
# CHECK-NEXT: status *** ERROR: g_global( LWINTERFACEINFO_GLOBAL, GFUSE_TRANSIENT ) ***
print selection
# CHECK-NEXT: selection 0x10000002 0x10000001
provide "LW Interface Info 7"
press 34
# CHECK-NEXT: cmd ok SelectItem 0x10000002
# CHECK-NEXT: cmd ok ItemVisibility 0
# CHECK-NEXT: cmd ok SelectItem 0x10000001
# CHECK-NEXT: cmd ok ItemVisibility 0
# CHECK-NEXT: cmd ok StatusMsg {1.00}Done(2).
# CHECK-NEXT: cmd ok SelectItem 0x10000001
# CHECK-NEXT: cmd ok AddToSelection 0x10000002
print selection
# CHECK-NEXT: selection 0x10000001 0x10000002
close
# -- rename: gone before the targets are listed
select 0x10000001 0x10000002
missing-after "LW Interface Info 7" 3
activate QB:NameReplace
# CHECK-NEXT: panel open "QB:NameReplace(1.00) " flags=3
set 7 1
set 9 P_
ok
# CHECK-NEXT: cmd ok StatusMsg *** ERROR: g_global( LWINTERFACEINFO_GLOBAL, GFUSE_TRANSIENT ) ***
# CHECK-NEXT: panel close "QB:NameReplace(1.00) "
# CHECK-NEXT: panel destroy "QB:NameReplace(1.00) "
# CHECK-NEXT: result 2
print status
# CHECK-NEXT: status *** ERROR: g_global( LWINTERFACEINFO_GLOBAL, GFUSE_TRANSIENT ) ***
print selection
# CHECK-NEXT: selection 0x10000001 0x10000002
provide "LW Interface Info 7"
# -- rename: gone for giving the selection back, after every rename
missing-after "LW Interface Info 7" 4
activate QB:NameReplace
# CHECK-NEXT: panel open "QB:NameReplace(1.00) " flags=3
set 7 1
set 9 P_
ok
# CHECK-NEXT: cmd ok SelectItem 0x10000001
# CHECK-NEXT: cmd ok Rename P_Pivot
# CHECK-NEXT: cmd ok StatusMsg {0.00}QB:NameReplace: Renaming...
# CHECK-NEXT: cmd ok SelectItem 0x10000002
# CHECK-NEXT: cmd ok Rename P_Arm_L_
# CHECK-NEXT: cmd ok StatusMsg {1.00}QB:NameReplace: Renaming...
# CHECK-NEXT: cmd ok StatusMsg QB:NameReplace: Done(2).
# CHECK-NEXT: cmd ok SelectItem 0x10000002
# CHECK-NEXT: cmd ok AddToSelection 0x10000001
# CHECK-NEXT: cmd ok StatusMsg *** ERROR: g_global( LWINTERFACEINFO_GLOBAL, GFUSE_TRANSIENT ) ***
# CHECK-NEXT: panel close "QB:NameReplace(1.00) "
# CHECK-NEXT: panel destroy "QB:NameReplace(1.00) "
# CHECK-NEXT: result 2
print status
# CHECK-NEXT: status *** ERROR: g_global( LWINTERFACEINFO_GLOBAL, GFUSE_TRANSIENT ) ***
print selection
# CHECK-NEXT: selection 0x10000002 0x10000001
print scene
# CHECK-NEXT: scene items=3 parent-in-place=off
# CHECK-NEXT: 0x10000000 mesh "Body" parent=none display=6 active file="Objects/Body.lwo" layer=1 children=0x10000001
# CHECK-NEXT: 0x10000001 null "P_Pivot" parent=0x10000000 display=0 inactive file="" layer=0 children=0x10000002
# CHECK-NEXT: 0x10000002 null "P_Arm_L_" parent=0x10000001 display=0 inactive file="" layer=0 children=none
provide "LW Interface Info 7"
# -- object replacer: gone when the run reads the selection
select 0x10000001 0x10000002
activate QB:ObjectReplacer
# CHECK-NEXT: panel open "QB:ObjectReplacer(1.00) " flags=64
# CHECK-NEXT: result 0
set 3 ../../data/replace/car.lwo
missing-after "LW Interface Info 7" 0
press 6
# CHECK-NEXT: cmd ok StatusMsg *** ERROR: g_global( LWINTERFACEINFO_GLOBAL, GFUSE_TRANSIENT ) ***
# CHECK-NEXT: panel close "QB:ObjectReplacer(1.00) "
print status
# CHECK-NEXT: status *** ERROR: g_global( LWINTERFACEINFO_GLOBAL, GFUSE_TRANSIENT ) ***
provide "LW Interface Info 7"
# -- object replacer: gone when the run lists its targets
activate QB:ObjectReplacer
# CHECK-NEXT: panel open "QB:ObjectReplacer(1.00) " flags=64
# CHECK-NEXT: result 0
missing-after "LW Interface Info 7" 1
press 6
# CHECK-NEXT: cmd ok StatusMsg *** ERROR: g_global( LWINTERFACEINFO_GLOBAL, GFUSE_TRANSIENT ) ***
# CHECK-NEXT: panel close "QB:ObjectReplacer(1.00) "
print status
# CHECK-NEXT: status *** ERROR: g_global( LWINTERFACEINFO_GLOBAL, GFUSE_TRANSIENT ) ***
provide "LW Interface Info 7"
# -- object replacer: gone for giving the selection back
activate QB:ObjectReplacer
# CHECK-NEXT: panel open "QB:ObjectReplacer(1.00) " flags=64
# CHECK-NEXT: result 0
missing-after "LW Interface Info 7" 2
press 6
# CHECK-NEXT: cmd ok StatusMsg {0.00}ReplaceObjectLayer...
# CHECK-NEXT: cmd ok StatusMsg {1.00}ReplaceObjectLayer...
# CHECK-NEXT: cmd ok StatusMsg {1.00}ReplaceObjectLayer...Done
# CHECK-NEXT: panel open "Result" flags=1
close
# CHECK-NEXT: panel destroy "Result"
# CHECK-NEXT: cmd ok SelectItem 0x10000002
# CHECK-NEXT: cmd ok AddToSelection 0x10000001
# CHECK-NEXT: cmd ok StatusMsg *** ERROR: g_global( LWINTERFACEINFO_GLOBAL, GFUSE_TRANSIENT ) ***
# CHECK-NEXT: panel close "QB:ObjectReplacer(1.00) "
print status
# CHECK-NEXT: status *** ERROR: g_global( LWINTERFACEINFO_GLOBAL, GFUSE_TRANSIENT ) ***
print selection
# CHECK-NEXT: selection 0x10000002 0x10000001
provide "LW Interface Info 7"
activate QB:ObjectReplacer
# CHECK-NEXT: panel open "QB:ObjectReplacer(1.00) " flags=64
# CHECK-NEXT: result 0
press 6
# CHECK-NEXT: cmd ok StatusMsg {0.00}ReplaceObjectLayer...
# CHECK-NEXT: cmd ok StatusMsg {1.00}ReplaceObjectLayer...
# CHECK-NEXT: cmd ok StatusMsg {1.00}ReplaceObjectLayer...Done
# CHECK-NEXT: panel open "Result" flags=1
close
# CHECK-NEXT: panel destroy "Result"
# CHECK-NEXT: cmd ok SelectItem 0x10000001
# CHECK-NEXT: cmd ok AddToSelection 0x10000002
# CHECK-NEXT: panel close "QB:ObjectReplacer(1.00) "
print selection
# CHECK-NEXT: selection 0x10000001 0x10000002
# -- the first layer reads a missing interface as an empty selection
select 0x10000001
missing-after "LW Interface Info 7" 1
activate QB:SelectBranch
# CHECK-NEXT: cmd ok StatusMsg {1.0} No items found!
# CHECK-NEXT: result 0
print selection
# CHECK-NEXT: selection 0x10000001
provide "LW Interface Info 7"
activate QB:SelectBranch
# CHECK-NEXT: cmd ok SelectItem 0x10000001
# CHECK-NEXT: cmd ok AddToSelection 0x10000002
# CHECK-NEXT: result 0
print selection
# CHECK-NEXT: selection 0x10000001 0x10000002
