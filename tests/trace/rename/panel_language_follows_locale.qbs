# The panel is built at every activation, so its language follows the host's
# locale of that activation.
locale 1041
activate QB:NameReplace
cancel
locale 1033
activate QB:NameReplace
print panel
cancel
