// Every regular-expression match in the module: the standard library's ECMAScript engine under one guard.
// The engine recurses once per character and may backtrack for exponential time; the guard counts its steps
// and measures its stack, and throws std::regex_error(error_complexity) before the host freezes or crashes.
// Compiling and matching happen on the caller's thread; what needs more stack than that thread lends (a long
// pattern, a long text) goes to one helper thread kept by the compiled expression, never a thread per match.
//
// On a Japanese host (host_code_page() is ShiftJis) a wide engine reads a double-byte character as one, lead
// byte * 256 + second byte.  No match splits a character, ボ (second byte '{') or ソ ('\') compiles, and
// positions are byte offsets.  A host that hands over UTF-8 (the 2020 generation) is read the same way, one
// wide character per UTF-8 character (its code point).  Both engines classify and fold the case of ASCII
// characters only (ascii_locale.h).
#pragma once

#include <cstddef>
#include <memory>
#include <regex>
#include <string>
#include <string_view>

#include "toolkit/text/wildcard_match.h"

namespace qb {

struct DeepStack;  // the helper thread of one compiled expression, made when first needed

struct Regex {
  std::regex re;                      // every host but a Japanese one
  std::wregex characters;             // a Japanese host, or one that hands over UTF-8
  bool shift_jis = false;             // which of the two was compiled
  bool utf8 = false;                  // `characters` reads UTF-8
  bool shallow = false;               // compiled, and passed over between two guard steps, in little stack
  WildcardProgram wildcard;           // set by wildcard_to_regex: whole-text matches skip the engine
  std::shared_ptr<DeepStack> helper;  // shared by copies; its thread ends with the last of them
};

// `icase` adds std::regex::icase.  A pattern that does not compile throws std::regex_error (error_space if
// too big).
Regex compile_regex(const std::string &pattern, bool icase = false);

bool regex_full_match(std::string_view text, const Regex &re);

// First match: false if none, else `span` is the byte position and length of group `group` (-1, 0 if it took
// no part).
struct RegexSpan {
  std::ptrdiff_t position = -1;
  std::ptrdiff_t length = 0;
};
bool regex_search_group(std::string_view text, const Regex &re, std::size_t group, RegexSpan &span);

}  // namespace qb
