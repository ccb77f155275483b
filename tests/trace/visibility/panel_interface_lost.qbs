# "LW Interface Info 7" disappears while the panel is open: Run shows the
# error, ends without touching the scene or the selection, and the panel
# stays usable once the service is back.
mesh Box
select Box
activate QB:ItemVisible
set 1 0
missing "LW Interface Info 7"
press 34
print selection
provide "LW Interface Info 7"
press 34
print selection
