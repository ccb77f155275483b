# No argument and nothing selected: nothing is sent at all.  A word made of
# two quotes is one empty word, which names no item here, so it sends nothing
# either.
mesh Box
activate QB:ToggleVisible
activate QB:ToggleVisible ""
print selection
print scene
