# A picture needs a panel: with none open the script stops, and nothing is
# written.
null Pivot
snapshot /dev/null
echo never printed
