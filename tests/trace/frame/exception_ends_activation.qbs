# A pattern that is not a valid regular expression raises inside the tool;
# the message reaches the status line and the activation ends with 2.
mesh Cube1
mesh Cube2
select Cube2
activate QB:SelectItem a{
print status
print selection
echo -- the next activation runs normally
activate QB:SelectItem Cube1
print selection
