// Every regular-expression match in the module goes through these calls: the
// standard library's engine, ECMAScript grammar, under one guard.
//
// The engine recurses once per character it consumes and may backtrack for
// exponential time ("(a+)+$" against a run of a's and one other character);
// neither may freeze or crash the host.  The guard walks the text through an
// iterator that counts the engine's steps and measures how deep its stack has
// gone: past kMatchStepLimit steps the match stops with
// std::regex_error(error_complexity).  Work that may need much stack (a large
// pattern, or a match that runs deeper than the caller's thread can be
// trusted with) runs again on a helper thread with a large stack, where the
// same iterator stops it before that stack is used up.
//
// On a Japanese host (host_code_page() is ShiftJis) patterns and texts are
// read as characters by the wide engine in the classic locale: a single byte
// as itself, a double-byte character as one wide character, lead byte * 256 +
// second byte (0x8100-0x9FFF, 0xE000-0xFCFF: ideographs, private use and
// presentation forms, none with letter case or a digit or space class).  So a
// match never starts or ends inside a character, and a pattern holding ボ
// (second byte '{') or ソ (second byte '\') compiles.  Positions given back
// are byte offsets into the original text.
#pragma once

#include <cstddef>
#include <cstdint>
#include <regex>
#include <string>

#include "toolkit/wildcard_match.h"

namespace qb {

// Steps (reads, moves and comparisons of the engine's position in the text)
// one match may take: a second or two of matching.
inline constexpr std::uint64_t kMatchStepLimit = std::uint64_t(1) << 24;

struct Regex {
  std::regex re;                                         // every host but a Japanese one
  std::wregex characters;                                // a Japanese host
  bool shift_jis = false;                                // which of the two was compiled
  bool small = false;                                    // compiled and matched on the caller's thread first
  WildcardProgram wildcard;                              // set by wildcard_to_regex: whole-text matches skip the engine
};

// ECMAScript grammar; `icase` adds std::regex::icase.  Throws std::regex_error
// for a pattern that does not compile (error_space for one too big).  The
// host's code page at compilation decides how texts are read.
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
