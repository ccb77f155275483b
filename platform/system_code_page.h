// Whether the operating system hands programs their file names in Shift-JIS:
// a Japanese Windows does so whatever language Layout shows.  Other systems
// use UTF-8 or a single-byte code page for file names.
#pragma once

namespace qb {

bool system_code_page_is_shift_jis();

}  // namespace qb
