# The statement takes a file and at most a title.
activate QB:ItemTools
snapshot
echo never printed
