# The script language: comments, quoting, numbers, echo, scene statements.
   # an indented comment
mesh Cube
mesh "Car Body" "Objects/Car Body.lwo" layer=2
null "Say \"hi\" \\ there" parent=Cube display=0x3
bone Root parent="Car Body"
bone Tip parent=Root inactive
light Key parent=0x10000001 hidden
camera Cam

echo  verbatim: "quotes" stay, # stays, two  blanks stay
select Tip 0x10000000 Key
print selection
select
print selection
parent-in-place on
print scene
print status
