# Three selected items, the first hidden: all three end shown and active.
# Only the hidden one gets "ItemVisibility 1"; only the inactive one gets
# "ItemActive"; the selection comes back last item first.
mesh Box hidden
mesh Ball inactive
null Pivot
select Box Ball Pivot
activate QB:ToggleVisible
print selection
print scene
