# The first layer's services are looked up once per module lifetime; later
# activations ask only for the product and the locale before the tool runs.
# The toggle command has no texts and never asks for the locale.
mesh Cube
trace lookups on
activate QB:SelectItem Nothing
echo -- second activation
activate QB:SelectItem Nothing
echo -- toggle
activate QB:ToggleVisible Nothing
echo -- after unload the table is filled again, still without the locale
unload
activate QB:ToggleVisible Nothing
