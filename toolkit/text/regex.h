// Every regular-expression match in the module: the standard library's
// engine, ECMAScript grammar, under one guard.  The engine recurses once per
// character and may backtrack for exponential time; the guard's iterator
// counts its steps and measures its stack, and stops a match that would
// freeze or crash the host with std::regex_error(error_complexity).
//
// On a Japanese host (host_code_page() is ShiftJis) a wide engine in the
// classic locale reads characters: a single byte as itself, a double-byte
// character as lead byte * 256 + second byte (ideographs, private use and
// presentation forms: no letter case, no digit or space class).  A match never
// starts or ends inside a character, and ボ (second byte '{') or ソ (second
// byte '\') compile.  Positions given back are byte offsets.
#pragma once

#include <cstddef>
#include <cstdint>
#include <regex>
#include <string>

#include "toolkit/text/wildcard_match.h"

namespace qb {

// Steps (reads, moves and comparisons of the engine's position in the text)
// one match may take: a second or two of matching.
inline constexpr std::uint64_t kMatchStepLimit = std::uint64_t(1) << 24;

struct Regex {
  std::regex re;            // every host but a Japanese one
  std::wregex characters;   // a Japanese host
  bool shift_jis = false;   // which of the two was compiled
  bool small = false;       // compiled and first matched on the caller's thread
  WildcardProgram wildcard; // set by wildcard_to_regex: whole-text matches skip the engine
};

// `icase` adds std::regex::icase.  Throws std::regex_error for a pattern that
// does not compile (error_space for one too big).
Regex compile_regex(const std::string &pattern, bool icase = false);

// Whole-text match.
bool regex_full_match(const std::string &text, const Regex &re);

// First match; fills the byte position and length of capture group `group`
// (-1, 0 when the group did not take part).  False when nothing matched.
struct RegexSpan {
  std::ptrdiff_t position = -1;
  std::ptrdiff_t length = 0;
};
bool regex_search_group(const std::string &text, const Regex &re, std::size_t group, RegexSpan &span);

}  // namespace qb
