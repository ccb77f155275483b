# first
null "no closing quote
# CHECK-STDERR: unterminated_quote.qbs:[[@LINE-1]]: a quoted text has no closing "
echo never printed
# CHECK-EXIT: 1
