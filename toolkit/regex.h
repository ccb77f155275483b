// Every regular-expression match in the module goes through these calls.
//
// The standard library's matcher recurses once per character it consumes (a
// few hundred bytes of stack a level, more for patterns with alternatives and
// nested repeats), so a long item name would exhaust the host thread's stack.
// A compiled Regex carries a bound on the stack its matcher needs per
// character of text; a match that needs more stack than the calling thread
// has left runs on a helper thread with a stack of that size (deep_stack.h).
// A match whose bound exceeds kMaxHelperStack fails with
// std::regex_error(error_complexity) instead of overflowing.
#pragma once

#include <cstddef>
#include <regex>
#include <string>
#include <vector>

namespace qb {

struct Regex {
  std::regex re;
  std::size_t stack_per_char = 0;  // bytes of matcher stack per character of text
};

// ECMAScript grammar; `icase` adds std::regex::icase.  Throws std::regex_error
// for a pattern that does not compile.
Regex compile_regex(const std::string &pattern, bool icase = false);

// Whole-text match.
bool regex_full_match(const std::string &text, const Regex &re);

// First match (default flags); fills the position and length of capture group
// `group` (-1, 0 when the group did not take part).  False when nothing matched.
struct RegexSpan {
  std::ptrdiff_t position = -1;
  std::ptrdiff_t length = 0;
};
bool regex_search_group(const std::string &text, const Regex &re, std::size_t group, RegexSpan &span);

// Whole-text match with the captured groups copied out (empty when a group did
// not take part).  False when the text does not match.
bool regex_full_match_groups(const std::string &text, const Regex &re, std::vector<std::string> &groups);

// Replaces every match of `re` in `text` with `format` (std::regex_replace).
std::string regex_replace_all(const std::string &text, const Regex &re, const std::string &format);

// The stack a match of `text_length` characters needs (for tests and docs).
std::size_t regex_stack_need(const Regex &re, std::size_t text_length);

}  // namespace qb
