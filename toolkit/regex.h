// Every regular-expression match in the module goes through these calls, so
// that matching is safe for names of any length (the standard library's
// matcher recurses once per character and would otherwise exhaust the stack
// on long names).
#pragma once

#include <cstddef>
#include <regex>
#include <string>
#include <vector>

namespace qb {

// ECMAScript grammar; `icase` adds std::regex::icase.  Throws std::regex_error
// for a pattern that does not compile.
std::regex compile_regex(const std::string &pattern, bool icase = false);

// Whole-text match.
bool regex_full_match(const std::string &text, const std::regex &re);

// First match (default flags); fills the position and length of capture group
// `group` (-1, 0 when the group did not take part).  False when nothing matched.
struct RegexSpan {
  std::ptrdiff_t position = -1;
  std::ptrdiff_t length = 0;
};
bool regex_search_group(const std::string &text, const std::regex &re, std::size_t group, RegexSpan &span);

// Whole-text match with the captured groups copied out (empty when a group did
// not take part).  False when the text does not match.
bool regex_full_match_groups(const std::string &text, const std::regex &re, std::vector<std::string> &groups);

// Replaces every match of `re` in `text` with `format` (std::regex_replace).
std::string regex_replace_all(const std::string &text, const std::regex &re, const std::string &format);

}  // namespace qb
