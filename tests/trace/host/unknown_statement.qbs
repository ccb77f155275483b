# Unknown statements and wrong arguments are script errors.
null A
select A
frobnicate A
# CHECK-STDERR: unknown_statement.qbs:[[@LINE-1]]: unknown statement 'frobnicate'
# CHECK-EXIT: 1
