# Product and locale: major version 15 only; locale 1041 (low 16 bits) is Japanese.
mesh Cube
locale 0x10411
activate QB:ItemTools
# CHECK-NEXT: panel open "QB:ItemTools(1.00) " flags=64
# CHECK-NEXT: result 0
print control 2 label
# CHECK-NEXT: control 2 label="選択を指定したアイテムの子にする"
close
activate QB:SelectItem Nothing*
# CHECK-NEXT: cmd ok StatusMsg {1.0} No items found!
# CHECK-NEXT: result 0
print status
# CHECK-NEXT: status {1.0} No items found!
