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

// Whether a byte can be the second byte of a double-byte character (0x40-0x7E, 0x80-0xFC).
constexpr bool is_second_byte(unsigned char byte) noexcept {
  return byte >= 0x40 && byte <= 0xFC && byte != 0x7F;
}

// Bytes of the character that starts at text[at] (at < text.size()): 2 for a
// lead byte followed by a byte that can be a second byte, else 1 (a lead byte
// that ends the text, or whose next byte cannot follow it, is a character of
// its own, and that next byte is read as itself).
constexpr std::size_t char_length(CodePage code_page, std::string_view text, std::size_t at) noexcept {
  return at + 1 < text.size() && is_lead_byte(code_page, static_cast<unsigned char>(text[at])) &&
                 is_second_byte(static_cast<unsigned char>(text[at + 1]))
             ? 2
             : 1;
}

// Whether a character starts at text[at] (at == text.size() counts: the end).
bool is_char_boundary(CodePage code_page, std::string_view text, std::size_t at) noexcept;

// The first character at or after `from` (a character boundary) that is one
// of the single-byte characters `chars`; npos when there is none.  The second
// byte of a double-byte character is never taken for one of them.
std::size_t find_char_of(CodePage code_page, std::string_view text, std::string_view chars,
                         std::size_t from = 0) noexcept;

// The last character that is one of `chars`; npos when there is none.
std::size_t find_last_char_of(CodePage code_page, std::string_view text, std::string_view chars) noexcept;

// The first occurrence of `find` that starts and ends between characters of
// `text`; npos when there is none.  An empty `find` occurs at 0.
std::size_t find_text(CodePage code_page, std::string_view text, std::string_view find) noexcept;

// `text` ends with `suffix`, and the suffix starts a character.
bool ends_with_text(CodePage code_page, std::string_view text, std::string_view suffix) noexcept;

}  // namespace qb
