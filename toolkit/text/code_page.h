// The host's code page: how many bytes make one character of a name, a
// pattern or a path.  A Japanese host hands the module Shift-JIS texts, where
// a lead byte (0x81-0x9F or 0xE0-0xFC) and the byte after it are one
// character, and that second byte is often an ASCII letter, a brace or a
// backslash; every text operation that looks at characters steps through
// char_length() so that it never splits one.  A host of the 2020 generation
// hands over UTF-8: a lead byte and its continuation bytes are one
// character, and a byte that neither starts nor continues a well-formed
// sequence is a character of its own.  Any other host: one byte, one
// character.
#pragma once

#include <cstddef>
#include <string_view>

namespace qb {

enum class CodePage { SingleByte, ShiftJis, Utf8 };

// The code page of the running activation, chosen by the activation frame
// from the host's generation and locale (Locale Info 1041 is Shift-JIS in the
// 2018 generation; the 2020 one is UTF-8).  SingleByte until then.
CodePage host_code_page() noexcept;
void set_host_code_page(CodePage code_page) noexcept;

// A byte that starts a character of more than one byte.
constexpr bool is_lead_byte(CodePage code_page, unsigned char byte) noexcept {
  if (code_page == CodePage::Utf8) return byte >= 0xC2 && byte <= 0xF4;
  return code_page == CodePage::ShiftJis && ((byte >= 0x81 && byte <= 0x9F) || (byte >= 0xE0 && byte <= 0xFC));
}

// Bytes of the well-formed UTF-8 sequence at text[at] (no overlong form, no
// surrogate, nothing past U+10FFFF); 1 for any byte that starts none.
constexpr std::size_t utf8_char_length(std::string_view text, std::size_t at) noexcept {
  const auto lead = static_cast<unsigned char>(text[at]);
  std::size_t length = 1;
  unsigned char low = 0x80, high = 0xBF;  // the second byte's range
  if (lead >= 0xC2 && lead <= 0xDF) {
    length = 2;
  } else if (lead >= 0xE0 && lead <= 0xEF) {
    length = 3;
    if (lead == 0xE0) low = 0xA0;
    if (lead == 0xED) high = 0x9F;
  } else if (lead >= 0xF0 && lead <= 0xF4) {
    length = 4;
    if (lead == 0xF0) low = 0x90;
    if (lead == 0xF4) high = 0x8F;
  }
  if (length == 1 || at + length > text.size()) return 1;
  for (std::size_t k = 1; k < length; ++k) {
    const auto byte = static_cast<unsigned char>(text[at + k]);
    if (byte < (k == 1 ? low : 0x80) || byte > (k == 1 ? high : 0xBF)) return 1;
  }
  return length;
}

// Bytes of the character that starts at text[at] (at < text.size()).
// Shift-JIS: 2 for a lead byte followed by another byte, else 1 (a lead byte
// that ends the text is a character of its own).  UTF-8: utf8_char_length.
constexpr std::size_t char_length(CodePage code_page, std::string_view text, std::size_t at) noexcept {
  if (code_page == CodePage::Utf8) return utf8_char_length(text, at);
  return at + 1 < text.size() && is_lead_byte(code_page, static_cast<unsigned char>(text[at])) ? 2 : 1;
}

// Of a text table spelled twice, in Shift-JIS and in UTF-8, the one the host
// of the running activation reads (Shift-JIS unless it reads UTF-8).
template <class Table>
Table in_host_code(Table shift_jis, Table utf8) noexcept {
  return host_code_page() == CodePage::Utf8 ? utf8 : shift_jis;
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
