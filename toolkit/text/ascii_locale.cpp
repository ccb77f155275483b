#include "toolkit/text/ascii_locale.h"

#include <algorithm>
#include <array>
#include <type_traits>

namespace qb {
namespace {

template <class Char>
bool is_ascii(Char c) {
  return static_cast<unsigned long>(static_cast<std::make_unsigned_t<Char>>(c)) < 0x80;
}

template <class Char>
Char ascii_lower(Char c) {
  return c >= 'A' && c <= 'Z' ? static_cast<Char>(c - 'A' + 'a') : c;
}

template <class Char>
Char ascii_upper(Char c) {
  return c >= 'a' && c <= 'z' ? static_cast<Char>(c - 'a' + 'A') : c;
}

// Bytes: the classic table for ASCII, no class past it.
struct AsciiCtypeChar : std::ctype<char> {
  static const mask *ascii_table() {
    static const std::array<mask, table_size> table = [] {
      std::array<mask, table_size> t{};
      std::copy(classic_table(), classic_table() + 128, t.begin());
      return t;
    }();
    return table.data();
  }
  AsciiCtypeChar() : std::ctype<char>(ascii_table()) {}
  char do_tolower(char c) const override { return ascii_lower(c); }
  const char *do_tolower(char *lo, const char *hi) const override {
    for (; lo < hi; ++lo) *lo = ascii_lower(*lo);
    return hi;
  }
  char do_toupper(char c) const override { return ascii_upper(c); }
  const char *do_toupper(char *lo, const char *hi) const override {
    for (; lo < hi; ++lo) *lo = ascii_upper(*lo);
    return hi;
  }
};

// Wide characters: the classic classes for ASCII, none past it.
struct AsciiCtypeWide : std::ctype<wchar_t> {
  bool do_is(mask m, wchar_t c) const override { return is_ascii(c) && std::ctype<wchar_t>::do_is(m, c); }
  const wchar_t *do_is(const wchar_t *lo, const wchar_t *hi, mask *vec) const override {
    std::ctype<wchar_t>::do_is(lo, hi, vec);
    for (const wchar_t *c = lo; c < hi; ++c, ++vec)
      if (!is_ascii(*c)) *vec = mask();
    return hi;
  }
  const wchar_t *do_scan_is(mask m, const wchar_t *lo, const wchar_t *hi) const override {
    return std::find_if(lo, hi, [&](wchar_t c) { return do_is(m, c); });
  }
  const wchar_t *do_scan_not(mask m, const wchar_t *lo, const wchar_t *hi) const override {
    return std::find_if(lo, hi, [&](wchar_t c) { return !do_is(m, c); });
  }
  wchar_t do_tolower(wchar_t c) const override { return ascii_lower(c); }
  const wchar_t *do_tolower(wchar_t *lo, const wchar_t *hi) const override {
    for (; lo < hi; ++lo) *lo = ascii_lower(*lo);
    return hi;
  }
  wchar_t do_toupper(wchar_t c) const override { return ascii_upper(c); }
  const wchar_t *do_toupper(wchar_t *lo, const wchar_t *hi) const override {
    for (; lo < hi; ++lo) *lo = ascii_upper(*lo);
    return hi;
  }
};

}  // namespace

const std::locale &ascii_locale() {
  static const std::locale locale(std::locale(std::locale::classic(), new AsciiCtypeChar),
                                  new AsciiCtypeWide);
  return locale;
}

}  // namespace qb
