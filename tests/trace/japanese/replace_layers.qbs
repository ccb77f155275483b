# The object replacer on a Japanese host pairs items with layers of Japanese
# names (Shift-JIS in the file as in the scene): 車:ホイール finds ホイール, the
# counter form 表:ソ (2) finds ソ, and the result list shows the Japanese names
# (the host names a replaced item after the file and the layer).
locale 1041
mesh 車:ホイール Objects/車.lwo
mesh "表:ソ (2)" Objects/表.lwo
mesh 車:ドア Objects/車.lwo
select 車:ホイール "表:ソ (2)" 車:ドア
activate QB:ObjectReplacer
set 3 ../../data/replace/japanese.lwo
press 6
print panel Result
close
