# First panel, default choices: the selection with its descendants, meshes
# and nulls hidden and switched off.  A mesh with two child nulls: all three
# are hidden; the active ones are switched off (a null after a second
# SelectItem), the inactive one is left as it is; then the mesh is selected
# again.
mesh Body
null Left parent=Body
null Right parent=Body inactive
select Body
activate QB:ItemVisible
# CHECK-NEXT: panel open "QB:ItemVisible(1.00) " flags=64
# CHECK-NEXT: result 0
print panel
# CHECK-NEXT: panel "QB:ItemVisible(1.00) " open flags=64 width=408 height=220 controls=34
# CHECK-NEXT:   1 PopupControl "Target" x=43 y=10 value=2 "Selection Item + Children" normal
# CHECK-NEXT:   2 TextControl "Type" x=5 y=40 value=0 normal
# CHECK-NEXT:   3 TextControl "Visible" x=79 y=40 value=0 normal
# CHECK-NEXT:   4 TextControl "Active" x=227 y=40 value=0 normal
# CHECK-NEXT:   5 BoolButtonControl "Mesh" x=5 y=60 value=1 normal
# CHECK-NEXT:   6 PopupControl "" x=69 y=60 value=1 "Hidden" normal
# CHECK-NEXT:   7 PopupControl "" x=219 y=60 value=1 "Off" normal
# CHECK-NEXT:   8 ButtonControl "Show" x=301 y=60 value=0 normal
# CHECK-NEXT:   9 ButtonControl "Hide" x=351 y=60 value=0 normal
# CHECK-NEXT:   10 BoolButtonControl "Null" x=5 y=80 value=1 normal
# CHECK-NEXT:   11 PopupControl "" x=69 y=80 value=1 "Hidden" normal
# CHECK-NEXT:   12 PopupControl "" x=219 y=80 value=1 "Off" normal
# CHECK-NEXT:   13 ButtonControl "Show" x=301 y=80 value=0 normal
# CHECK-NEXT:   14 ButtonControl "Hide" x=351 y=80 value=0 normal
# CHECK-NEXT:   15 BoolButtonControl "Bone" x=5 y=100 value=1 normal
# CHECK-NEXT:   16 PopupControl "" x=69 y=100 value=1 "Hidden" normal
# CHECK-NEXT:   17 PopupControl "" x=219 y=100 value=1 "Off" erased
# CHECK-NEXT:   18 ButtonControl "Show" x=301 y=100 value=0 normal
# CHECK-NEXT:   19 ButtonControl "Hide" x=351 y=100 value=0 normal
# CHECK-NEXT:   20 BoolButtonControl "Camera" x=5 y=120 value=0 normal
# CHECK-NEXT:   21 PopupControl "" x=69 y=120 value=0 "As is" ghosted
# CHECK-NEXT:   22 PopupControl "" x=219 y=120 value=0 "As is" ghosted
# CHECK-NEXT:   23 ButtonControl "Show" x=301 y=120 value=0 ghosted
# CHECK-NEXT:   24 ButtonControl "Hide" x=351 y=120 value=0 ghosted
# CHECK-NEXT:   25 BoolButtonControl "Light" x=5 y=140 value=0 normal
# CHECK-NEXT:   26 PopupControl "" x=69 y=140 value=0 "As is" ghosted
# CHECK-NEXT:   27 PopupControl "" x=219 y=140 value=0 "As is" ghosted
# CHECK-NEXT:   28 ButtonControl "Show" x=301 y=140 value=0 ghosted
# CHECK-NEXT:   29 ButtonControl "Hide" x=351 y=140 value=0 ghosted
# CHECK-NEXT:   30 ButtonControl "Show All" x=5 y=170 value=0 normal
# CHECK-NEXT:   31 ButtonControl "Hide All" x=125 y=170 value=0 normal
# CHECK-NEXT:   32 BorderControl "" x=5 y=200 value=0 normal
# CHECK-NEXT:   33 ButtonControl "Close" x=170 y=205 value=0 normal
# CHECK-NEXT:   34 ButtonControl "Run" x=280 y=205 value=0 normal
press 34
# CHECK-NEXT: cmd ok SelectItem 0x10000000
# CHECK-NEXT: cmd ok ItemVisibility 0
# CHECK-NEXT: cmd ok ItemActive
# CHECK-NEXT: cmd ok SelectItem 0x10000001
# CHECK-NEXT: cmd ok ItemVisibility 0
# CHECK-NEXT: cmd ok SelectItem 0x10000001
# CHECK-NEXT: cmd ok ItemActive
# CHECK-NEXT: cmd ok SelectItem 0x10000002
# CHECK-NEXT: cmd ok ItemVisibility 0
# CHECK-NEXT: cmd ok StatusMsg {1.00}Done(3).
# CHECK-NEXT: cmd ok SelectItem 0x10000000
print selection
# CHECK-NEXT: selection 0x10000000
print status
# CHECK-NEXT: status {1.00}Done(3).
print scene
# CHECK-NEXT: scene items=3 parent-in-place=off
# CHECK-NEXT: 0x10000000 mesh "Body" parent=none display=0 inactive file="Objects/Body.lwo" layer=1 children=0x10000001,0x10000002
# CHECK-NEXT: 0x10000001 null "Left" parent=0x10000000 display=0 inactive file="" layer=0 children=none
# CHECK-NEXT: 0x10000002 null "Right" parent=0x10000000 display=0 inactive file="" layer=0 children=none
