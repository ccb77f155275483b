# "As is" sends nothing, and "On" leaves an item that is already active
# alone: only the inactive null is switched on.
mesh Box
null On
null Off inactive
select Box On Off
activate QB:ItemVisible
set 1 0
set 6 0
set 7 0
set 11 0
set 12 2
press 34
print scene
