# Patterns whose backtracking would run for hours.  Plain wildcards never
# backtrack: eight stars against a long name are answered at once.  With braces
# the regex engine matches, stops at its step limit after a second or two, the
# tool says so (or, renaming, leaves that one name alone) and nothing else
# changes.
null aaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaac
null aaaaaaaaaaaaaaaaaaaaaaaaaaaaaa!
null caaa
echo -- eight stars against a long name that does not match
activate QB:SelectItem *a*a*a*a*a*a*a*a*b
print selection
activate QB:ToggleVisible *a*a*a*a*a*a*a*a*b
echo -- the same with a counted repeat
activate QB:SelectItem *a*a*a*a*a*a*a*a{1}b
print selection
activate QB:ToggleVisible *a*a*a*a*a*a*a*a{1}b
print scene
activate QB:ItemTools
set 12 *a*a*a*a*a*a*a*a{1}b
press 15
set 12 caaa
press 15
print selection
close
echo -- (a+)+$ renaming a run of thirty a's and one other character
select 0x10000000 0x10000001 0x10000002
activate QB:NameReplace
set 7 4
set 13 (a+)+$
set 14 x
ok
print scene
print selection
