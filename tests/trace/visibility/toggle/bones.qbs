# Selected bones follow the visibility of the first one, but keep their
# active state both ways.
mesh Body
bone Arm parent=Body
bone Leg parent=Body inactive
select Arm Leg
activate QB:ToggleVisible
# CHECK-NEXT: cmd ok SelectItem 0x40000000
# CHECK-NEXT: cmd ok ItemVisibility 0
# CHECK-NEXT: cmd ok SelectItem 0x40010000
# CHECK-NEXT: cmd ok ItemVisibility 0
# CHECK-NEXT: cmd ok SelectItem 0x40010000
# CHECK-NEXT: cmd ok AddToSelection 0x40000000
# CHECK-NEXT: result 0
print scene
# CHECK-NEXT: scene items=3 parent-in-place=off
# CHECK-NEXT: 0x10000000 mesh "Body" parent=none display=6 active file="Objects/Body.lwo" layer=1 children=0x40000000,0x40010000
# CHECK-NEXT: 0x40000000 bone "Arm" object=0x10000000 parent=0x10000000 visible=0 active children=none
# CHECK-NEXT: 0x40010000 bone "Leg" object=0x10000000 parent=0x10000000 visible=0 inactive children=none
activate QB:ToggleVisible
# CHECK-NEXT: cmd ok SelectItem 0x40010000
# CHECK-NEXT: cmd ok ItemVisibility 1
# CHECK-NEXT: cmd ok SelectItem 0x40000000
# CHECK-NEXT: cmd ok ItemVisibility 1
# CHECK-NEXT: cmd ok SelectItem 0x40000000
# CHECK-NEXT: cmd ok AddToSelection 0x40010000
# CHECK-NEXT: result 0
print scene
# CHECK-NEXT: scene items=3 parent-in-place=off
# CHECK-NEXT: 0x10000000 mesh "Body" parent=none display=6 active file="Objects/Body.lwo" layer=1 children=0x40000000,0x40010000
# CHECK-NEXT: 0x40000000 bone "Arm" object=0x10000000 parent=0x10000000 visible=1 active children=none
# CHECK-NEXT: 0x40010000 bone "Leg" object=0x10000000 parent=0x10000000 visible=1 inactive children=none
