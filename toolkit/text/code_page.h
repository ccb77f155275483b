// The host's code page: how many bytes make one character of a name, a
// pattern or a path.  A Japanese host hands the module Shift-JIS texts, where
// a lead byte (0x81-0x9F or 0xE0-0xFC) and the second byte after it
// (0x40-0x7E or 0x80-0xFC) are one character, and that second byte is often
// an ASCII letter, a brace or a backslash; every text operation that looks at
// characters steps through char_length() so that it never splits one, and
// every question about the end of a path asks it of the last character
// (ends_in_char_of), never of the last byte.  A host of the 2020 generation
// hands over UTF-8: a lead byte and its continuation bytes are one
// character, and a byte that neither starts nor continues a well-formed
// sequence is a character of its own.  Any other host: one byte, one
// character.
#pragma once

#include <cstddef>
#include <string_view>

#include "platform/utf8_sequence.h"

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
  return code_page == CodePage::ShiftJis &&
         ((byte >= 0x81 && byte <= 0x9F) || (byte >= 0xE0 && byte <= 0xFC));
}

// Bytes of the UTF-8 character at text[at]: its well-formed sequence (platform/utf8_sequence.h), else 1.
constexpr std::size_t utf8_char_length(std::string_view text, std::size_t at) noexcept {
  const std::size_t length = utf8_sequence_length(text, at);
  return length == 0 ? 1 : length;
}

constexpr bool is_second_byte(CodePage code_page, unsigned char byte) noexcept {
  return code_page == CodePage::ShiftJis && byte >= 0x40 && byte <= 0xFC && byte != 0x7F;
}

// Bytes of the character that starts at text[at] (at < text.size()).  UTF-8:
// utf8_char_length.  Shift-JIS: 2 for a lead byte followed by a byte that can
// be a second byte, else 1.  A lead byte that ends the text, or whose next
// byte cannot follow it (a UTF-8 name met on a Japanese host), is a character
// of its own, and that next byte is read as itself: the ':' or '/' after it
// stays a colon or a slash.
constexpr std::size_t char_length(CodePage code_page, std::string_view text, std::size_t at) noexcept {
  if (code_page == CodePage::Utf8) return utf8_char_length(text, at);
  return at + 1 < text.size() && is_lead_byte(code_page, static_cast<unsigned char>(text[at])) &&
                 is_second_byte(code_page, static_cast<unsigned char>(text[at + 1]))
             ? 2
             : 1;
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

// The same, with the ASCII letters of `suffix` matched in either case.
bool ends_with_text_ignoring_case(CodePage code_page, std::string_view text,
                                  std::string_view suffix) noexcept;

// Where the last character of `text` starts; npos for the empty text.
std::size_t last_char_start(CodePage code_page, std::string_view text) noexcept;

// The last character of `text` is one of the single-byte characters `chars`
// (a folder named 表, 0x95 0x5C, ends in no backslash).
bool ends_in_char_of(CodePage code_page, std::string_view text, std::string_view chars) noexcept;

}  // namespace qb
