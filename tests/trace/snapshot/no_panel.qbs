# A picture needs a panel: with none open the script stops, and nothing is
# written.
null Pivot
snapshot /dev/null
# CHECK-STDERR: no_panel.qbs:[[@LINE-1]]: no panel is open
echo never printed
# CHECK-EXIT: 1
