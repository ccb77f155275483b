# A selected bone with "Visible": ItemVisibility 1, never ItemActive, even
# though the row's hidden active popup still holds "Off".  The popup is
# erased, so the user cannot reach it.
mesh Body
bone Arm parent=Body hidden
select Arm
activate QB:ItemVisible
set 1 0
set 16 2
set 17 0
press 34
print scene
print panel
