# The script language: comments, quoting, numbers, echo, scene statements.
   # an indented comment
mesh Cube
mesh "Car Body" "Objects/Car Body.lwo" layer=2
null "Say \"hi\" \\ there" parent=Cube display=0x3
bone Root parent="Car Body"
bone Tip parent=Root inactive
light Key parent=0x10000001 hidden
camera Cam

#  verbatim: "quotes" stay, # stays, two  blanks stay
select Tip 0x10000000 Key
print selection
# CHECK-NEXT: selection 0x40010001 0x10000000 0x20000000
select
print selection
# CHECK-NEXT: selection
parent-in-place on
print scene
# CHECK-NEXT: scene items=7 parent-in-place=on
# CHECK-NEXT: 0x10000000 mesh "Cube" parent=none display=6 active file="Objects/Cube.lwo" layer=1 children=0x10000002
# CHECK-NEXT: 0x10000001 mesh "Car Body" parent=none display=6 active file="Objects/Car Body.lwo" layer=2 children=0x40000001,0x20000000
# CHECK-NEXT: 0x40000001 bone "Root" object=0x10000001 parent=0x10000001 visible=1 active children=0x40010001
# CHECK-NEXT: 0x40010001 bone "Tip" object=0x10000001 parent=0x40000001 visible=1 inactive children=none
# CHECK-NEXT: 0x10000002 null "Say \"hi\" \\ there" parent=0x10000000 display=3 active file="" layer=0 children=none
# CHECK-NEXT: 0x20000000 light "Key" parent=0x10000001 visible=0 active children=none
# CHECK-NEXT: 0x30000000 camera "Cam" parent=none visible=1 active children=none
print status
# CHECK-NEXT: status
