# A word that is no valid pattern (an unbalanced brace) ends the command with
# an error in the status line before anything is changed.
mesh Box
select Box
activate QB:ToggleVisible Box a{
print status
print scene
