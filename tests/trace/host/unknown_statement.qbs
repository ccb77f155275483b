# Unknown statements and wrong arguments are script errors.
null A
select A
frobnicate A
