# The host refuses to select Ball.  Ball is left alone, and Box, which was
# selected just before, receives no change meant for Ball.
mesh Box
mesh Ball
select Box Ball
refuse "SelectItem 0x10000001"
activate QB:ToggleVisible
print scene
