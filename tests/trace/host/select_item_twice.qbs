# The first-layer service table is filled once per module lifetime: the second
# activation looks up only "Product Info" and "Locale Info" before its work.
mesh Cube
mesh Cone
trace lookups on
activate QB:SelectItem Cube
echo -- second activation
activate QB:SelectItem Co*
echo -- after an unload the module starts afresh
unload
activate QB:SelectItem Cube
