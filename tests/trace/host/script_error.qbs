# A script error stops the run with FILE:LINE and exit 1; the trace so far stays.
null A
# before the error
null B parent=Nobody
# CHECK-STDERR: script_error.qbs:[[@LINE-1]]: no item named 'Nobody'
echo never printed
# CHECK-EXIT: 1
