# "Selection not other" in a scene of ten items with two selected: all ten
# are selected in turn, only the eight others are changed, and the count is
# ten.  Camera and Light rows do not take part by default.
mesh M0
mesh M1
mesh M2
mesh M3
null N4
null N5
null N6 inactive
null N7
light L
camera C
select M1 N5
activate QB:ItemVisible
set 1 1
press 34
print selection
print scene
