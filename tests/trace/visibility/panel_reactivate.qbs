# Activating the tool while its panel is open brings it to the front and
# builds nothing; after Close, activating opens the same panel with the
# choices it had.
mesh Box
activate QB:ItemVisible
set 1 4
set 5 0
activate QB:ItemVisible
press 33
activate QB:ItemVisible
print panel
