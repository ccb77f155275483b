// The one definition of a well-formed UTF-8 sequence, read by the module (its code page of the 2020
// generation) and by qbhost (its texts of that generation) alike, so that both split a text the same way.
#pragma once

#include <cstddef>
#include <string_view>

namespace qb {

// Bytes of the well-formed UTF-8 sequence of two to four bytes at text[at] (no overlong form, no surrogate,
// nothing past U+10FFFF); 0 for an ASCII byte and for any byte that starts none.
constexpr std::size_t utf8_sequence_length(std::string_view text, std::size_t at) noexcept {
  const auto lead = static_cast<unsigned char>(text[at]);
  std::size_t length = 0;
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
  if (length == 0 || at + length > text.size()) return 0;
  for (std::size_t k = 1; k < length; ++k) {
    const auto byte = static_cast<unsigned char>(text[at + k]);
    if (byte < (k == 1 ? low : 0x80) || byte > (k == 1 ? high : 0xBF)) return 0;
  }
  return length;
}

}  // namespace qb
