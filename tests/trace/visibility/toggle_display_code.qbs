# A mesh shown as shaded solid is hidden, then shown again: it comes back as
# a bounding box (display code 1), not as it was.
mesh Box display=5
select Box
activate QB:ToggleVisible
print scene
activate QB:ToggleVisible
print scene
