# Item tools panel on a Japanese host: labels and messages in Japanese, except
# "No items found!".  The labels stay those of the first activation.
locale 1041
mesh Body
activate QB:ItemTools
print panel
set 3 Nobody
press 6
select Body
set 3 body
press 6
set 12 Nothing
press 15
echo -- an English host later: messages follow it, the labels do not
press 20
locale 1033
activate QB:ItemTools
set 3 Nobody
press 6
print panel
