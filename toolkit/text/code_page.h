// The host's code page: how many bytes make one character of a name, a
// pattern or a path.  A Japanese host hands the module Shift-JIS texts, where
// a lead byte (0x81-0x9F or 0xE0-0xFC) and the byte after it are one
// character, and that second byte is often an ASCII letter, a brace or a
// backslash; every text operation that looks at characters steps through
// char_length() so that it never splits one.  Any other host: one byte, one
// character.
#pragma once

#include <cstddef>
#include <string_view>

namespace qb {

enum class CodePage { SingleByte, ShiftJis };

// The code page of the running activation, chosen by the activation frame
// from the host's locale (Locale Info 1041 is Shift-JIS).  SingleByte until
// then.
CodePage host_code_page() noexcept;
void set_host_code_page(CodePage code_page) noexcept;

constexpr bool is_lead_byte(CodePage code_page, unsigned char byte) noexcept {
  return code_page == CodePage::ShiftJis && ((byte >= 0x81 && byte <= 0x9F) || (byte >= 0xE0 && byte <= 0xFC));
}

// Bytes of the character that starts at text[at] (at < text.size()): 2 for a
// lead byte followed by another byte, else 1 (a lead byte that ends the text
// is a character of its own).
constexpr std::size_t char_length(CodePage code_page, std::string_view text, std::size_t at) noexcept {
  return at + 1 < text.size() && is_lead_byte(code_page, static_cast<unsigned char>(text[at])) ? 2 : 1;
}

}  // namespace qb
