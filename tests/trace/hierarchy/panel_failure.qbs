# Item tools panel: a host that cannot make the panel ends the activation
# with 2; the next activation tries again.
fail-panels on
activate QB:ItemTools
fail-panels off
activate QB:ItemTools
