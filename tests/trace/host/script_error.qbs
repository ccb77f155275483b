# A script error stops the run with FILE:LINE and exit 1; the trace so far stays.
null A
echo before the error
null B parent=Nobody
echo never printed
