# Product and locale: major version 15 only; locale 1041 (low 16 bits) is Japanese.
mesh Cube
locale 0x10411
activate QB:ItemTools
print panel
close
activate QB:SelectItem Nothing*
print status
