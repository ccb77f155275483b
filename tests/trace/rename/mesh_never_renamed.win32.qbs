# Windows: only the backslash separates path components, so Posix, whose
# file is Objects/Posix.lwo, counts as a null object and is renamed.
# A mesh object (a file path ending in .lwo) is never renamed, whichever boxes
# are set; a .LWO file does not make a mesh, so that object counts as a null.
mesh Box C:\scene\Objects\Box.lwo
mesh Crate C:\scene\Objects\Crate.LWO
mesh Posix
null Empty
select Box Crate Posix Empty
activate QB:NameReplace
set 7 1
set 9 P_
set 3 1
set 4 1
set 5 1
set 6 1
ok
print scene
