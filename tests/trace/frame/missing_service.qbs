# The second layer fetches its services at every activation and stops at the
# first one missing: the activation ends with 2 and the tool does not run.
trace lookups on
missing "LW Time Info"
activate QB:NameReplace
provide "LW Time Info"
echo -- a zero locale counts as missing
locale 0
activate QB:ItemVisible
