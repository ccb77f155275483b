# Selected bones follow the visibility of the first one, but keep their
# active state both ways.
mesh Body
bone Arm parent=Body
bone Leg parent=Body inactive
select Arm Leg
activate QB:ToggleVisible
print scene
activate QB:ToggleVisible
print scene
