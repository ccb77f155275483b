# The statement takes a file and at most a title.
activate QB:ItemTools
# CHECK-NEXT: panel open "QB:ItemTools(1.00) " flags=64
# CHECK-NEXT: result 0
snapshot
# CHECK-STDERR: usage.qbs:[[@LINE-1]]: usage: snapshot FILE.svg [TITLE]
echo never printed
# CHECK-EXIT: 1
