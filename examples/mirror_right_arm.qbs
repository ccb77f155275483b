# For qbhost batch: the branch below Shoulder_R gets _R_ wherever a copy of
# the left arm left _L_ in a name.  No load or save: the batch does both.
activate QB:SelectBranch Shoulder_R
activate QB:NameReplace
ok
