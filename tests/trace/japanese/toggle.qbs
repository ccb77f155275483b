# QB:ToggleVisible on a Japanese host: 右* names the items that begin with 右
# (0x89 0x45), never 影ライト (0x89 0x65 ...); the first of them decides.
locale 1041
null 右腕
mesh 右脚 hidden
light 影ライト
select 影ライト
activate QB:ToggleVisible 右*
# CHECK: cmd ok SelectItem 0x10000000
# CHECK-NEXT: cmd ok ItemVisibility 0
# CHECK-NEXT: cmd ok SelectItem 0x10000000
# CHECK-NEXT: cmd ok ItemActive
# CHECK-NEXT: cmd ok SelectItem 0x10000001
# CHECK-NEXT: cmd ok ItemActive
# CHECK-NEXT: cmd ok SelectItem 0x20000000
# CHECK-NEXT: result 0
