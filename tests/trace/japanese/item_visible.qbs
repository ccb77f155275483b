# The item visibility panel on a Japanese host: objects loaded from files in
# folders named 表 and ソ, whose second byte is 0x5C (a backslash), are mesh
# objects and take the Mesh row ("Show": display code 7, on); an object
# without a file takes the Null row (hidden, off).
locale 1041
mesh 箱 C:\objs\表\箱.lwo
mesh 車 C:\ソ\車.lwo
null 親
activate QB:ItemVisible
set 1 4
press 8
press 34
print scene
