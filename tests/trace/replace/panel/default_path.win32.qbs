# Windows: its file system ignores letter case, so Crate (Objects/Crate.LWO)
# is a mesh object there.  The file field starts with the file of the first
# selected mesh object, at the first build of the panel only: a light
# selected before it is passed over; with nothing selected, or nothing but a
# null object, the field starts empty.  The mode shows "Select file" and the
# directory field is ghosted.
light Lamp
mesh Crate Objects/Crate.LWO
null Pivot
mesh Car Objects/Car.lwo
mesh Van Objects/Van.lwo
select Lamp Crate Pivot Car Van
activate QB:ObjectReplacer
# CHECK-NEXT: panel open "QB:ObjectReplacer(1.00) " flags=64
# CHECK-NEXT: result 0
print panel
# CHECK-NEXT: panel "QB:ObjectReplacer(1.00) " open flags=64 width=280 height=165 controls=6
# CHECK-NEXT:   1 PopupControl "Target" x=50 y=0 value=0 "Select Item" normal
# CHECK-NEXT:   2 ChoiceControl "Mode" x=43 y=25 value=0 "Select file" normal
# CHECK-NEXT:   3 FileControl "File" x=34 y=60 value="Objects/Crate.LWO" normal
# CHECK-NEXT:   4 DirControl "Directory" x=18 y=85 value="" ghosted
# CHECK-NEXT:   5 BorderControl "" x=5 y=125 value=0 normal
# CHECK-NEXT:   6 ButtonControl "Run" x=376 y=130 value=0 normal
# -- a later activation builds nothing and takes no default
select Van
activate QB:ObjectReplacer
# CHECK-NEXT: panel open "QB:ObjectReplacer(1.00) " flags=64
# CHECK-NEXT: result 0
print control 3 value
# CHECK-NEXT: control 3 value="Objects/Crate.LWO"
# -- nothing selected
unload
select
activate QB:ObjectReplacer
# CHECK-NEXT: panel open "QB:ObjectReplacer(1.00) " flags=64
# CHECK-NEXT: result 0
print control 3 value
# CHECK-NEXT: control 3 value=""
# -- only a light and a null object selected
unload
select Lamp Pivot
activate QB:ObjectReplacer
# CHECK-NEXT: panel open "QB:ObjectReplacer(1.00) " flags=64
# CHECK-NEXT: result 0
print control 3 value
# CHECK-NEXT: control 3 value=""
