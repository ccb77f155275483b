// Whole-name matching of a wildcard pattern without the regex engine.
//
// A wildcard pattern without braces compiles to a regular expression of
// literals, "." and ".*" only.  The standard library's matcher recurses per
// character and backtracks without bound on such an expression ("*a*a*a*b"
// against a long name); this matcher answers the same question with the
// classic two-pointer walk: no recursion, at most length of name times length
// of pattern steps, usually one pass.
#pragma once

#include <array>
#include <string>
#include <string_view>

#include "toolkit/text/code_page.h"

namespace qb {

// The pattern as the walk reads it: '*' any run, '?' one character, every
// other character itself, ASCII letters in either case, double-byte
// characters byte for byte.
struct WildcardProgram {
  std::string pattern;
  bool usable = false;                        // false: the pattern needs the regex engine (braces)
  CodePage code_page = CodePage::SingleByte;  // how many bytes make a character of pattern and name
  std::array<unsigned char, 256> folded{};    // every byte with ASCII letters in lower case
  std::array<bool, 256> line_break{};         // bytes that fold to a line break, which "." never takes
  bool pattern_has_line_break = false;        // false: the pattern is one segment
};

// Letter case is folded in ASCII only, as the regex engines fold it
// (ascii_locale.h).
WildcardProgram make_wildcard_program(const std::string &pattern, CodePage code_page = CodePage::SingleByte);

// The answer std::regex_match gives for the compiled wildcard on `name`.
bool wildcard_full_match(std::string_view name, const WildcardProgram &program);

}  // namespace qb
