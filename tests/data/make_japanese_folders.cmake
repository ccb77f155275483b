# Makes the folders with Japanese names that the Windows build's traces read
# as a Japanese Windows (tests/trace/jpwin): names are UTF-8 on disk, which
# Wine hands the program in code page 932.  Each folder name ends in a
# character whose Shift-JIS second byte is 0x5C, the backslash, and holds one
# object file named after it, a copy of japanese.lwo (layers ボディ, ホイール
# and ソ); 能 also holds the folder 予.  Run at build time:
#   cmake -DSOURCE=tests/data/replace -DOUTPUT=DIR -P make_japanese_folders.cmake
file(REMOVE_RECURSE "${OUTPUT}")
foreach(folder 表 ソ 能 十 予 能/予)
  string(REGEX REPLACE ".*/" "" last "${folder}")
  file(MAKE_DIRECTORY "${OUTPUT}/${folder}")
  configure_file("${SOURCE}/japanese.lwo" "${OUTPUT}/${folder}/${last}.lwo" COPYONLY)
endforeach()
# A file with a Japanese name beside an English one, for the file mode.
configure_file("${SOURCE}/japanese.lwo" "${OUTPUT}/部品.lwo" COPYONLY)
