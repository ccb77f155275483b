// The regular-expression engines' character traits: classes (\w, \d, \s, \b,
// [[:alpha:]] ...) and letter case of ASCII characters only.  The standard
// traits ask the C runtime, which answers differently per platform for bytes
// past 0x7F and for the wide engine's characters (a double-byte character
// read as lead byte * 256 + second byte is a CJK ideograph to a Unicode
// runtime); a double-byte character is never a letter, digit, blank or word
// character, on every platform alike.
#pragma once

#include <regex>
#include <type_traits>

namespace qb {

template <class Char>
struct AsciiRegexTraits : std::regex_traits<Char> {
  using Base = std::regex_traits<Char>;
  using typename Base::char_class_type;

  static bool is_ascii(Char c) { return static_cast<std::make_unsigned_t<Char>>(c) < 0x80; }

  bool isctype(Char c, char_class_type f) const { return is_ascii(c) && Base::isctype(c, f); }
  Char translate_nocase(Char c) const { return c >= 'A' && c <= 'Z' ? static_cast<Char>(c - 'A' + 'a') : c; }
};

}  // namespace qb
