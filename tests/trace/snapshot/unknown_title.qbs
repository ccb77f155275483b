# A title that no panel has stops the script; a title without its trailing
# blank finds the panel, open or closed.
activate QB:ItemTools
# CHECK-NEXT: panel open "QB:ItemTools(1.00) " flags=64
# CHECK-NEXT: result 0
press 20
# CHECK-NEXT: panel close "QB:ItemTools(1.00) "
snapshot /dev/null QB:ItemTools(1.00)
# the closed panel is drawn by its title
snapshot /dev/null QB:ItemVisible(1.00)
# CHECK-STDERR: unknown_title.qbs:[[@LINE-1]]: no panel titled "QB:ItemVisible(1.00)"
echo never printed
# CHECK-EXIT: 1
