# "LW Interface Info 7" vanishes in the middle of a run (the host answers
# null from some lookup on).  The second layer shows
# "g_global( LWINTERFACEINFO_GLOBAL, GFUSE_TRANSIENT )" as an error in the
# status line and the run ends there; no exception reaches the host, the
# panel tools stay usable, and the next run works once the service is back.
mesh Body
null Pivot parent=Body
null Arm_L_ parent=Pivot
select 0x10000001 0x10000002
echo -- item visibility: gone after the first item's first command
activate QB:ItemVisible
set 1 0
set 10 1
missing-after "LW Interface Info 7" 3
press 34
print status
print selection
print scene
provide "LW Interface Info 7"
echo -- item visibility: gone only for giving the selection back
select 0x10000001 0x10000002
missing-after "LW Interface Info 7" 6
press 34
print status
print selection
provide "LW Interface Info 7"
press 34
print selection
close
echo -- rename: gone before the targets are listed
select 0x10000001 0x10000002
missing-after "LW Interface Info 7" 3
activate QB:NameReplace
set 7 1
set 9 P_
ok
print status
print selection
provide "LW Interface Info 7"
echo -- rename: gone for giving the selection back, after every rename
missing-after "LW Interface Info 7" 4
activate QB:NameReplace
set 7 1
set 9 P_
ok
print status
print selection
print scene
provide "LW Interface Info 7"
echo -- object replacer: gone when the run reads the selection
select 0x10000001 0x10000002
activate QB:ObjectReplacer
set 3 ../../data/replace/car.lwo
missing-after "LW Interface Info 7" 0
press 6
print status
provide "LW Interface Info 7"
echo -- object replacer: gone when the run lists its targets
activate QB:ObjectReplacer
missing-after "LW Interface Info 7" 1
press 6
print status
provide "LW Interface Info 7"
echo -- object replacer: gone for giving the selection back
activate QB:ObjectReplacer
missing-after "LW Interface Info 7" 2
press 6
close
print status
print selection
provide "LW Interface Info 7"
activate QB:ObjectReplacer
press 6
close
print selection
echo -- the first layer reads a missing interface as an empty selection
select 0x10000001
missing-after "LW Interface Info 7" 1
activate QB:SelectBranch
print selection
provide "LW Interface Info 7"
activate QB:SelectBranch
print selection
