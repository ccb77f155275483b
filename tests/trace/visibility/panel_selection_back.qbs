# Selection A, B, C before the run: it is given back as C, then B and A
# added.
mesh A
mesh B
mesh C
select A B C
activate QB:ItemVisible
set 1 0
press 34
print selection
