# Under locale 1041 the module's texts are Shift-JIS: the trace decodes them,
# and the script's own names reach the module as Shift-JIS too.
locale 1041
null 立方体
light "キー ライト"
activate QB:SelectItem 立方*
print selection
activate QB:ItemTools
set 3 存在しない
press 6
print status
close
print scene
echo -- under another locale the same bytes print as \xNN
locale 1033
print scene
