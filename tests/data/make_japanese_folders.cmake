# Makes the folders with Japanese names that the Windows build's traces read
# as a Japanese Windows (tests/trace/jpwin): names are UTF-8 on disk, which
# Wine hands the program in code page 932.  Each folder name ends in a
# character whose Shift-JIS second byte is 0x5C, the backslash, and holds one
# object file named after it, a copy of japanese.lwo (layers ボディ, ホイール
# and ソ); 能 also holds the folder 予.  Beside them, a scene file as Layout
# writes it on a Japanese Windows: its object paths in Shift-JIS (through
# iconv).  Run at build time:
#   cmake -DSOURCE=tests/data/replace -DOUTPUT=DIR -DICONV=iconv -P make_japanese_folders.cmake
file(REMOVE_RECURSE "${OUTPUT}")
foreach(folder 表 ソ 能 十 予 能/予)
  string(REGEX REPLACE ".*/" "" last "${folder}")
  file(MAKE_DIRECTORY "${OUTPUT}/${folder}")
  configure_file("${SOURCE}/japanese.lwo" "${OUTPUT}/${folder}/${last}.lwo" COPYONLY)
endforeach()
# A file with a Japanese name beside an English one, for the file mode.
configure_file("${SOURCE}/japanese.lwo" "${OUTPUT}/部品.lwo" COPYONLY)

# The scene: objects in 表 and in 能/予, and one whose folder is missing.
file(WRITE "${OUTPUT}/scene.utf8" "LWSC\n3\n\nLoadObjectLayer 2 表\\表.lwo\nShowObject 6 7\n\n"
     "LoadObjectLayer 3 能/予/予.lwo\nShowObject 6 7\n\nLoadObjectLayer 1 無い\\表.lwo\nShowObject 6 7\n")
execute_process(COMMAND "${ICONV}" -f UTF-8 -t CP932 INPUT_FILE "${OUTPUT}/scene.utf8"
                OUTPUT_FILE "${OUTPUT}/japanese.lws" RESULT_VARIABLE converted)
file(REMOVE "${OUTPUT}/scene.utf8")
if(NOT converted EQUAL 0)
  message(FATAL_ERROR "iconv cannot write the scene in Shift-JIS")
endif()
