# A file that cannot be written stops the script with the reason.
activate QB:ItemTools
# CHECK-NEXT: panel open "QB:ItemTools(1.00) " flags=64
# CHECK-NEXT: result 0
snapshot /nonexistent/folder/tools.svg
# CHECK-STDERR: unwritable_file.qbs:[[@LINE-1]]: cannot write /nonexistent/folder/tools.svg: No such file or directory
echo never printed
# CHECK-EXIT: 1
