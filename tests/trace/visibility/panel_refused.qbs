# A command the host refuses is reported in the status line and the run goes
# on with the next command and the next item; the selection is still given
# back.
mesh Box
mesh Ball
select Box Ball
refuse ItemVisibility
activate QB:ItemVisible
set 1 0
press 34
print scene
print selection
