# A path that fills its field's 512-byte buffer may have been cut by the
# host, and would replace layers from another file: the run says the path is
# too long and does nothing with it (not even a selection command), in the
# file mode and the folder mode, in English and in Japanese.
mesh Car:Wheel Objects/Car.lwo
select Car:Wheel
activate QB:ObjectReplacer
# CHECK-NEXT: panel open "QB:ObjectReplacer(1.00) " flags=64
# CHECK-NEXT: result 0
set 3 ../ddddddddddddddddddddddddddddddddddddddddddddddddddddddddddddddddddddddddddddddddddddddddddddddddddddddddddddddddddddddddddddddddddddddddddddddddddddddddddddddddddddddddddddddddddddddddddddddddddddddddddddddddddddddddddddddddddddddddddddddddddddddddddddddddddddddddddddddddddddddddddddddddddddddddddddddddddddddddddddddddddddddddddddddddddddddddddddddddddddddddddddddddddddddddddddddddddddddddddddddddddddddddddddddddddddddddddddddddddddddddddddddddddddddddddddddddddddddddddddddddddddddddddddddddddddddddd.lwo
press 6
# CHECK-NEXT: cmd ok StatusMsg *** ERROR: QB:ObjectReplacer: The path is too long; nothing was replaced. ***
# CHECK-NEXT: panel close "QB:ObjectReplacer(1.00) "
activate QB:ObjectReplacer
# CHECK-NEXT: panel open "QB:ObjectReplacer(1.00) " flags=64
# CHECK-NEXT: result 0
set 2 1
set 4 ../ddddddddddddddddddddddddddddddddddddddddddddddddddddddddddddddddddddddddddddddddddddddddddddddddddddddddddddddddddddddddddddddddddddddddddddddddddddddddddddddddddddddddddddddddddddddddddddddddddddddddddddddddddddddddddddddddddddddddddddddddddddddddddddddddddddddddddddddddddddddddddddddddddddddddddddddddddddddddddddddddddddddddddddddddddddddddddddddddddddddddddddddddddddddddddddddddddddddddddddddddddddddddddddddddddddddddddddddddddddddddddddddddddddddddddddddddddddddddddddddddddddddddddddddddddddddddd.lwo
press 6
# CHECK-NEXT: cmd ok StatusMsg *** ERROR: QB:ObjectReplacer: The path is too long; nothing was replaced. ***
# CHECK-NEXT: panel close "QB:ObjectReplacer(1.00) "
locale 1041
activate QB:ObjectReplacer
# CHECK-NEXT: panel open "QB:ObjectReplacer(1.00) " flags=64
# CHECK-NEXT: result 0
press 6
# CHECK-NEXT: cmd ok StatusMsg *** ERROR: QB:ObjectReplacer: パスが長すぎるため、置き換えませんでした。 ***
# CHECK-NEXT: panel close "QB:ObjectReplacer(1.00) "
print selection
# CHECK-NEXT: selection 0x10000000
