# The host refuses to select Ball: the refusal is reported, and Ball's changes
# are not sent, since they would land on Box, selected just before.
mesh Box
mesh Ball
select Box Ball
refuse "SelectItem 0x10000001"
activate QB:ItemVisible
set 1 0
press 34
print scene
