# Patterns whose backtracking would run for hours.  Plain wildcards never
# backtrack: eight stars against a long name are answered at once, and so are
# exact counts, written out.  With a range of counts
# the regex engine matches, stops at its step limit after a second or two, the
# tool says so (or, renaming, leaves that one name alone) and nothing else
# changes.
null aaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaac
null aaaaaaaaaaaaaaaaaaaaaaaaaaaaaa!
null caaa
# -- eight stars against a long name that does not match
activate QB:SelectItem *a*a*a*a*a*a*a*a*b
# CHECK-NEXT: cmd ok StatusMsg {1.0} No items found!
# CHECK-NEXT: result 0
print selection
# CHECK-NEXT: selection
activate QB:ToggleVisible *a*a*a*a*a*a*a*a*b
# CHECK-NEXT: result 0
# -- the same with a range of counts, which only the engine reads
activate QB:SelectItem *a*a*a*a*a*a*a*a{1,2}b
# CHECK-NEXT: cmd ok StatusMsg *** ERROR: Complexity of regex match exceeded implementation limits ***
# CHECK-NEXT: result 2
print selection
# CHECK-NEXT: selection
activate QB:ToggleVisible *a*a*a*a*a*a*a*a{1,2}b
# CHECK-NEXT: cmd ok StatusMsg *** ERROR: Complexity of regex match exceeded implementation limits ***
# CHECK-NEXT: result 2
print scene
# CHECK-NEXT: scene items=3 parent-in-place=off
# CHECK-NEXT: 0x10000000 null "aaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaac" parent=none display=6 active file="" layer=0 children=none
# CHECK-NEXT: 0x10000001 null "aaaaaaaaaaaaaaaaaaaaaaaaaaaaaa!" parent=none display=6 active file="" layer=0 children=none
# CHECK-NEXT: 0x10000002 null "caaa" parent=none display=6 active file="" layer=0 children=none
activate QB:ItemTools
# CHECK-NEXT: panel open "QB:ItemTools(1.00) " flags=64
# CHECK-NEXT: result 0
set 12 *a*a*a*a*a*a*a*a{1,2}b
press 15
# CHECK-NEXT: cmd ok StatusMsg *** ERROR: Complexity of regex match exceeded implementation limits ***
set 12 caaa
press 15
# CHECK-NEXT: cmd ok SelectItem 0x10000002
print selection
# CHECK-NEXT: selection 0x10000002
close
# -- (a+)+$ renaming a run of thirty a's and one other character
select 0x10000000 0x10000001 0x10000002
activate QB:NameReplace
# CHECK-NEXT: panel open "QB:NameReplace(1.00) " flags=3
set 7 4
set 13 (a+)+$
set 14 x
ok
# CHECK-NEXT: cmd ok StatusMsg {0.00}QB:NameReplace: Renaming...
# CHECK-NEXT: cmd ok StatusMsg {0.50}QB:NameReplace: Renaming...
# CHECK-NEXT: cmd ok SelectItem 0x10000002
# CHECK-NEXT: cmd ok Rename cx
# CHECK-NEXT: cmd ok StatusMsg {1.00}QB:NameReplace: Renaming...
# CHECK-NEXT: cmd ok StatusMsg QB:NameReplace: Done(1).
# CHECK-NEXT: cmd ok StatusMsg *** ERROR: QB:NameReplace: The regular expression is too complex for some names; they keep their names. ***
# CHECK-NEXT: cmd ok SelectItem 0x10000002
# CHECK-NEXT: cmd ok AddToSelection 0x10000001
# CHECK-NEXT: cmd ok AddToSelection 0x10000000
# CHECK-NEXT: panel close "QB:NameReplace(1.00) "
# CHECK-NEXT: panel destroy "QB:NameReplace(1.00) "
# CHECK-NEXT: result 0
print scene
# CHECK-NEXT: scene items=3 parent-in-place=off
# CHECK-NEXT: 0x10000000 null "aaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaac" parent=none display=6 active file="" layer=0 children=none
# CHECK-NEXT: 0x10000001 null "aaaaaaaaaaaaaaaaaaaaaaaaaaaaaa!" parent=none display=6 active file="" layer=0 children=none
# CHECK-NEXT: 0x10000002 null "cx" parent=none display=6 active file="" layer=0 children=none
print selection
# CHECK-NEXT: selection 0x10000002 0x10000001 0x10000000
