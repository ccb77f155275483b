# The selection mixed two objects and a light selected last: only the items
# of the last one's type (the light) are selected again.
mesh Box
null Pivot
light Key
light Fill
select Box Pivot Fill Key
activate QB:ToggleVisible
print selection
