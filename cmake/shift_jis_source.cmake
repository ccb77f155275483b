# cmake -DINPUT=<UTF-8 source> -DOUTPUT=<generated source> -DICONV=<iconv> -P shift_jis_source.cmake
#
# Writes OUTPUT: the C++ source INPUT, written in UTF-8, with every character
# outside ASCII converted to Shift-JIS (code page 932, the host's Japanese
# code page) and spelled as octal escapes, both bytes of a double-byte
# character included (its second byte may be a backslash or a letter).  So
# every compiler stores the host's bytes, whatever its own character sets.
# Such characters belong inside string literals only.
get_filename_component(folder "${OUTPUT}" DIRECTORY)
file(MAKE_DIRECTORY "${folder}")
execute_process(COMMAND "${ICONV}" -f UTF-8 -t CP932 "${INPUT}"
  OUTPUT_FILE "${OUTPUT}.cp932" RESULT_VARIABLE status ERROR_VARIABLE problem)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "${INPUT}: a character without a Shift-JIS form: ${problem}")
endif()
file(READ "${OUTPUT}.cp932" hex HEX)
file(REMOVE "${OUTPUT}.cp932")

function(octal_escape value out)
  math(EXPR high "${value} / 64")
  math(EXPR middle "(${value} / 8) % 8")
  math(EXPR low "${value} % 8")
  set(${out} "\\${high}${middle}${low}" PARENT_SCOPE)
endfunction()

set(text "// Generated from ${INPUT}: Japanese texts as Shift-JIS bytes.\n")
string(LENGTH "${hex}" length)
set(i 0)
set(escape_next OFF)
while(i LESS length)
  string(SUBSTRING "${hex}" ${i} 2 digits)
  math(EXPR i "${i} + 2")
  math(EXPR byte "0x${digits}")
  if(escape_next OR byte GREATER_EQUAL 128)
    octal_escape(${byte} escaped)
    string(APPEND text "${escaped}")
    # A lead byte: the next byte belongs to the same character.
    if(NOT escape_next AND ((byte GREATER_EQUAL 129 AND byte LESS_EQUAL 159) OR (byte GREATER_EQUAL 224 AND byte LESS_EQUAL 252)))
      set(escape_next ON)
    else()
      set(escape_next OFF)
    endif()
  else()
    string(ASCII ${byte} character)
    string(APPEND text "${character}")
  endif()
endwhile()
file(WRITE "${OUTPUT}" "${text}")
