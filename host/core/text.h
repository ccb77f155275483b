// Texts between the module, the script and the trace.  The module's texts are
// byte strings in the host's code page: Shift-JIS (code page 932) when the
// locale is Japanese, plain bytes otherwise.  The trace is UTF-8.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace qbhost {

inline constexpr uint32_t kJapaneseLocale = 1041;

// The low 16 bits of the locale equal to 1041.
bool is_japanese(uint32_t locale);

// Module bytes as UTF-8 for the trace: printable ASCII as it is, Shift-JIS
// characters decoded when `japanese`, every other byte as \xNN.
std::string printable(std::string_view bytes, bool japanese);

// printable() in double quotes, with " and \ written as \" and \\.
std::string quoted(std::string_view bytes, bool japanese);

// "0x" and the value in lower-case hexadecimal digits: how items and codes are
// written in scripts, traces and messages.
std::string hex(uint32_t value);

// A script's UTF-8 text in the host's code page: converted to Shift-JIS when
// `japanese` (false when a character has no Shift-JIS form), else unchanged.
bool to_host_text(std::string_view utf8, bool japanese, std::string &out);

}  // namespace qbhost
