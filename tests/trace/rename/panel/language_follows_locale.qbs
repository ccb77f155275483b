# The panel is built at every activation, so its language follows the host's
# locale of that activation.
locale 1041
activate QB:NameReplace
# CHECK: panel open "QB:NameReplace(1.00) " flags=3
cancel
# CHECK-NEXT: panel close "QB:NameReplace(1.00) "
# CHECK-NEXT: panel destroy "QB:NameReplace(1.00) "
# CHECK-NEXT: result 0
locale 1033
activate QB:NameReplace
# CHECK-NEXT: panel open "QB:NameReplace(1.00) " flags=3
print panel
# CHECK-NEXT: panel "QB:NameReplace(1.00) " open flags=3 width=320 height=170 controls=14
# CHECK-NEXT:   1 PopupControl "Target" x=50 y=0 value=0 "Select Item" normal
# CHECK-NEXT:   2 TextControl "Type" x=45 y=30 value=0 normal
# CHECK-NEXT:   3 BoolButtonControl "Null" x=80 y=30 value=1 normal
# CHECK-NEXT:   4 BoolButtonControl "Bone" x=130 y=30 value=1 normal
# CHECK-NEXT:   5 BoolButtonControl "Camera" x=180 y=30 value=0 normal
# CHECK-NEXT:   6 BoolButtonControl "Light" x=230 y=30 value=0 normal
# CHECK-NEXT:   7 PopupControl "Mode" x=50 y=60 value=3 "Replace" normal
# CHECK-NEXT:   8 EditControl "" x=74 y=80 value="" erased
# CHECK-NEXT:   9 EditControl "" x=74 y=80 value="" erased
# CHECK-NEXT:   10 EditControl "" x=74 y=80 value="" erased
# CHECK-NEXT:   11 EditControl "" x=74 y=80 value="_L_" normal
# CHECK-NEXT:   12 EditControl "" x=74 y=100 value="_R_" normal
# CHECK-NEXT:   13 EditControl "" x=74 y=80 value="_[Ll]_" erased
# CHECK-NEXT:   14 EditControl "" x=74 y=100 value="_R_" erased
cancel
# CHECK-NEXT: panel close "QB:NameReplace(1.00) "
# CHECK-NEXT: panel destroy "QB:NameReplace(1.00) "
# CHECK-NEXT: result 0
