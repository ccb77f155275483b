// Formatting and text helpers.
#pragma once

#include <cstdarg>
#include <cstddef>
#include <string>
#include <string_view>

#include "toolkit/text/code_page.h"

namespace qb {

// Any length, through the module-wide growing buffer (first layer).
std::string format_text(const char *format, ...) __attribute__((format(printf, 1, 2)));

// Through a 512-byte buffer: at most 511 bytes; longer results are cut at 511
// bytes (510 when the cut would split a double-byte character); a formatting
// error gives "".
std::string format_message(const char *format, ...) __attribute__((format(printf, 1, 2)));
std::string vformat_message(const char *format, va_list args);

// Into the caller's buffer of `size` bytes; answers the length written, or -1
// on error or when the result does not fit (the buffer then holds "").
int format_bounded(char *buffer, std::size_t size, const char *format, ...)
    __attribute__((format(printf, 3, 4)));

// ASCII capitals that are characters of their own to small letters; every
// other byte unchanged, both bytes of a double-byte character included.
std::string lower_case(std::string_view text, CodePage code_page);
// In the host's code page.
std::string lower_case(std::string_view text);

}  // namespace qb
