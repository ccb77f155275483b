# "LW Interface Info 7" disappears while the panel is open: Run shows the
# error, ends without touching the scene or the selection, and the panel
# stays usable once the service is back.
generation 2018
mesh Box
select Box
activate QB:ItemVisible
# CHECK-NEXT: panel open "QB:ItemVisible(1.00) " flags=64
# CHECK-NEXT: result 0
set 1 0
missing "LW Interface Info 7"
press 34
# CHECK-NEXT: cmd ok StatusMsg *** ERROR: g_global( LWINTERFACEINFO_GLOBAL, GFUSE_TRANSIENT ) ***
print selection
# CHECK-NEXT: selection 0x10000000
provide "LW Interface Info 7"
press 34
# CHECK-NEXT: cmd ok SelectItem 0x10000000
# CHECK-NEXT: cmd ok ItemVisibility 0
# CHECK-NEXT: cmd ok ItemActive
# CHECK-NEXT: cmd ok StatusMsg {1.00}Done(1).
# CHECK-NEXT: cmd ok SelectItem 0x10000000
print selection
# CHECK-NEXT: selection 0x10000000
