# A status message too long for the host's 512-byte command buffer is
# shortened to the 511 bytes it holds, never inside a character: the error
# quoting this pattern ("(", 324 a's, 61 ア) would reach byte 511 in the
# middle of an ア in both generations, which leaves that ア out whole.  In
# Shift-JIS (2018, Japanese host) ア is two bytes and 60 of them fit; in UTF-8
# (2020) it is three and 40 fit.  The pattern itself does not compile, so the
# run stops and nothing is renamed.
null Arm
select Arm
generation 2018
locale 1041
activate QB:NameReplace
# CHECK-NEXT: panel open "QB:NameReplace(1.00) " flags=3
set 7 4
set 13 (aaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaアアアアアアアアアアアアアアアアアアアアアアアアアアアアアアアアアアアアアアアアアアアアアアアアアアアアアアアアアアアアア
ok
# CHECK-NEXT: cmd ok StatusMsg *** ERROR: QB:NameReplace: Invalid regular expression: (aaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaアアアアアアアアアアアアアアアアアアアアアアアアアアアアアアアアアアアアアアアアアアアアアアアアアアアアアアアアアアアア
# CHECK-NEXT: cmd ok SelectItem 0x10000000
# CHECK-NEXT: panel close "QB:NameReplace(1.00) "
# CHECK-NEXT: panel destroy "QB:NameReplace(1.00) "
# CHECK-NEXT: result 0
generation 2020
locale 1041
activate QB:NameReplace
# CHECK-NEXT: panel open "QB:NameReplace(1.00) " flags=3
set 7 4
set 13 (aaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaアアアアアアアアアアアアアアアアアアアアアアアアアアアアアアアアアアアアアアアアアアアアアアアアアアアアアアアアアアアアア
ok
# CHECK-NEXT: cmd ok StatusMsg *** ERROR: QB:NameReplace: Invalid regular expression: (aaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaアアアアアアアアアアアアアアアアアアアアアアアアアアアアアアアアアアアアアアアア
# CHECK-NEXT: cmd ok SelectItem 0x10000000
# CHECK-NEXT: panel close "QB:NameReplace(1.00) "
# CHECK-NEXT: panel destroy "QB:NameReplace(1.00) "
# CHECK-NEXT: result 0
