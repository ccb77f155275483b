# The first target is shown, so every target ends hidden and inactive.  Pivot
# is already hidden and inactive and costs no command; the light is already
# inactive and only gets hidden.
mesh Box
null Pivot hidden inactive
light Key inactive
select Box Pivot Key
activate QB:ToggleVisible
print scene
