# In a Japanese host (locale 1041) the panel shows the Japanese labels and
# lists.  The panel is built once, so after an activation in an English host
# it still holds the Japanese texts (printed here with the Japanese locale
# again, so that they read as text).
locale 1041
activate QB:ItemVisible
print panel
press 33
locale 1033
activate QB:ItemVisible
locale 1041
print panel
