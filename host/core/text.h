// Texts between the module, the script and the trace.  The module's texts are
// byte strings in the host's code page: in the 2018 generation Shift-JIS
// (code page 932) when the locale is Japanese or the system's code page is
// 932, plain bytes otherwise; UTF-8 in the 2020 generation under every
// locale.  The trace is UTF-8.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "platform/utf8_sequence.h"

namespace qbhost {

inline constexpr uint32_t kJapaneseLocale = 1041;

// The low 16 bits of the locale equal to 1041.
bool is_japanese(uint32_t locale);

// How the module's texts are written.
enum class TextCode { Plain, ShiftJis, Utf8 };

// Module bytes as UTF-8 for the trace: printable ASCII as it is, Shift-JIS
// characters decoded (ShiftJis) or well-formed UTF-8 sequences kept (Utf8),
// every other byte as \xNN.
std::string printable(std::string_view bytes, TextCode code);

// printable() in double quotes, with " and \ written as \" and \\.
std::string quoted(std::string_view bytes, TextCode code);

// "0x" and the value in lower-case hexadecimal digits: how items and codes are
// written in scripts, traces and messages.
std::string hex(uint32_t value);

// A script's UTF-8 text in the host's code page: converted to Shift-JIS for
// ShiftJis (false when a character has no Shift-JIS form), else unchanged.
bool to_host_text(std::string_view utf8, TextCode code, std::string &out);

// The module's definition of a well-formed UTF-8 sequence (0 when none), shared so that host and module
// split a text alike.
using qb::utf8_sequence_length;

// Paths of this machine, read in the system's code page: Shift-JIS on a
// Windows whose ANSI code page is 932 (a lead byte and a second byte are one
// character, and the second byte of 表 or ソ is 0x5C), else single bytes or
// UTF-8, no byte of whose multi-byte characters reads as a separator.  Every
// question about separators steps through path_char_length.
inline constexpr std::string_view kPathSeparators = "\\/";
std::size_t path_char_length(std::string_view path, std::size_t at);
// The last character of `path` that is one of the single-byte `chars`; npos
// when there is none.
std::size_t find_last_path_char_of(std::string_view path, std::string_view chars);
// The last character of `path` is a separator.
bool path_ends_in_separator(std::string_view path);

}  // namespace qbhost
