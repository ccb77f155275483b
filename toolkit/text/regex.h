// Every regular-expression match in the module goes through these calls.
//
// The standard library's matcher recurses once per character it consumes (a
// few hundred bytes of stack a level, more for patterns with alternatives and
// nested or counted repeats), and its backtracking can take time exponential
// in the length of the text ("(a+)+$" against a run of a's and one other
// character).  Neither may freeze or crash the host, so:
//
// - a compiled Regex carries an estimate of the stack its matcher needs per
//   character of text; a match that needs more than the calling thread has
//   left runs on a helper thread with a stack of that size (deep_stack.h),
//   at most kMaxHelperStack;
// - the matcher walks the text through a guarded iterator that counts its
//   steps and watches the stack: past kMatchStepLimit steps, or when the
//   stack is nearly used up, the match stops with
//   std::regex_error(error_complexity).
//
// Within those limits every match gives exactly what the standard library
// gives: the guard only observes, it never changes how the text is matched.
#pragma once

#include <cstddef>
#include <cstdint>
#include <regex>
#include <string>
#include <vector>

#include "toolkit/text/wildcard_match.h"

namespace qb {

// Steps (reads, moves and comparisons of the matcher's position in the text)
// that one call below may take: a second or two of matching.  Linear work on
// any text the stack allows stays far below it; exponential backtracking on
// about twenty characters reaches it.
inline constexpr std::uint64_t kMatchStepLimit = std::uint64_t(1) << 24;

struct Regex {
  std::regex re;
  std::size_t stack_base = 0;      // bytes of matcher stack for any text
  std::size_t stack_per_char = 0;  // and per character of text (0: the pattern has no cycle)
  std::size_t stack_reserve = 0;   // part of the base kept free for the deepest step and an unwinding
  WildcardProgram wildcard;        // set by wildcard_to_regex: whole-text matches skip the engine
};

// ECMAScript grammar; `icase` adds std::regex::icase.  Throws std::regex_error
// for a pattern that does not compile (error_space for one too big).
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

// Replaces every match of `re` in `text` with `format` ($&, $1, $$ ... as
// std::regex_replace does).
std::string regex_replace_all(const std::string &text, const Regex &re, const std::string &format);

// The stack a match of `text_length` characters is given (for tests and docs).
std::size_t regex_stack_need(const Regex &re, std::size_t text_length);

// The matcher states the pattern may compile to, counted generously (counted
// repeats multiply what they repeat), and how many of them lie on cycles
// (inside "*", "+" or "{n,}"); for tests and docs.
struct RegexStates {
  std::size_t states = 0;
  std::size_t on_cycles = 0;
};
RegexStates regex_state_estimate(const std::string &pattern);

}  // namespace qb
