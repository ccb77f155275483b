# A file that cannot be written stops the script with the reason.
activate QB:ItemTools
snapshot /nonexistent/folder/tools.svg
echo never printed
