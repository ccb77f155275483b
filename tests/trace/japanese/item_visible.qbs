# The item visibility panel on a Japanese host: objects loaded from files in
# folders named 表 and ソ, whose second byte is 0x5C (a backslash), are mesh
# objects and take the Mesh row ("Show": display code 7, on); an object
# without a file takes the Null row (hidden, off).
locale 1041
mesh 箱 C:\objs\表\箱.lwo
mesh 車 C:\ソ\車.lwo
null 親
activate QB:ItemVisible
# CHECK: panel open "QB:ItemVisible(1.00) " flags=64
# CHECK-NEXT: result 0
set 1 4
press 8
press 34
# CHECK-NEXT: cmd ok SelectItem 0x10000000
# CHECK-NEXT: cmd ok ItemVisibility 7
# CHECK-NEXT: cmd ok SelectItem 0x10000001
# CHECK-NEXT: cmd ok ItemVisibility 7
# CHECK-NEXT: cmd ok SelectItem 0x10000002
# CHECK-NEXT: cmd ok ItemVisibility 0
# CHECK-NEXT: cmd ok SelectItem 0x10000002
# CHECK-NEXT: cmd ok ItemActive
# CHECK-NEXT: cmd ok StatusMsg {1.00}Done(3).
