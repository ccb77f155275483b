# Item tools panel: removing the parent of every selected item.
null Root
mesh A parent=Root
mesh B parent=Root
light L parent=Root
activate QB:ItemTools
# CHECK-NEXT: panel open "QB:ItemTools(1.00) " flags=64
# CHECK-NEXT: result 0
# -- nothing selected: only RefreshNow
select
press 9
# CHECK-NEXT: cmd ok RefreshNow
print selection
# CHECK-NEXT: selection
# -- two objects then a light: each loses its parent, then only the light is selected
select A B L
press 9
# CHECK-NEXT: cmd ok SelectItem 0x10000001
# CHECK-NEXT: cmd ok ParentItem 0
# CHECK-NEXT: cmd ok SelectItem 0x10000002
# CHECK-NEXT: cmd ok ParentItem 0
# CHECK-NEXT: cmd ok SelectItem 0x20000000
# CHECK-NEXT: cmd ok ParentItem 0
# CHECK-NEXT: cmd ok SelectItem 0x20000000
# CHECK-NEXT: cmd ok RefreshNow
print selection
# CHECK-NEXT: selection 0x20000000
# -- two objects: both selected again, the last one first
select A B
press 9
# CHECK-NEXT: cmd ok SelectItem 0x10000001
# CHECK-NEXT: cmd ok ParentItem 0
# CHECK-NEXT: cmd ok SelectItem 0x10000002
# CHECK-NEXT: cmd ok ParentItem 0
# CHECK-NEXT: cmd ok SelectItem 0x10000002
# CHECK-NEXT: cmd ok AddToSelection 0x10000001
# CHECK-NEXT: cmd ok RefreshNow
print selection
# CHECK-NEXT: selection 0x10000002 0x10000001
print scene
# CHECK-NEXT: scene items=4 parent-in-place=off
# CHECK-NEXT: 0x10000000 null "Root" parent=none display=6 active file="" layer=0 children=none
# CHECK-NEXT: 0x10000001 mesh "A" parent=none display=6 active file="Objects/A.lwo" layer=1 children=none
# CHECK-NEXT: 0x10000002 mesh "B" parent=none display=6 active file="Objects/B.lwo" layer=1 children=none
# CHECK-NEXT: 0x20000000 light "L" parent=none visible=1 active children=none
