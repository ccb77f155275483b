# A title that no panel has stops the script; a title without its trailing
# blank finds the panel, open or closed.
activate QB:ItemTools
press 20
snapshot /dev/null QB:ItemTools(1.00)
echo the closed panel is drawn by its title
snapshot /dev/null QB:ItemVisible(1.00)
echo never printed
