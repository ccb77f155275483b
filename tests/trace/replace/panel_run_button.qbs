# The Run button stands at x = 400 minus its label width as the host reports
# it (8 pixels a byte here): "Run" at 376; in a Japanese host, whose label is
# four bytes of Shift-JIS, at 368.  The labels and choices are those of the
# language of the activation that built the panel.
activate QB:ObjectReplacer
print panel
locale 1041
activate QB:ObjectReplacer
print panel
unload
activate QB:ObjectReplacer
print panel
