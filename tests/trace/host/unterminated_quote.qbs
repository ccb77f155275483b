echo first
null "no closing quote
echo never printed
