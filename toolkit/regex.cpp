// Regular-expression matching for the whole module, kept in one place so that
// every match is safe for texts of any length.
#include "toolkit/regex.h"

#include <functional>
#include <stdexcept>

#include "toolkit/deep_stack.h"

namespace qb {
namespace {

// Measured with libstdc++: a plain repeat (".*", "[^:]+") costs about 320
// bytes of stack per character; every group, alternative or further
// quantifier on the path between two characters adds up to about 150.  The
// bound takes twice that, per construct in the pattern.
constexpr std::size_t kBaseCost = 384;
constexpr std::size_t kConstructCost = 192;
constexpr std::size_t kSafetyFactor = 2;
constexpr std::size_t kFixedNeed = 64 * 1024;

std::size_t cost_per_char(const std::string &pattern) {
  std::size_t constructs = 0;
  for (char c : pattern) {
    if (c == '(' || c == '|' || c == '?' || c == '*' || c == '+' || c == '{') ++constructs;
  }
  return kSafetyFactor * (kBaseCost + kConstructCost * constructs);
}

// Runs the match with the stack it needs, or refuses it as too complex.
void with_stack_for(const Regex &re, std::size_t text_length, const std::function<void()> &match) {
  std::size_t need = regex_stack_need(re, text_length);
  if (need > kMaxHelperStack) throw std::regex_error(std::regex_constants::error_complexity);
  run_with_stack(need, match);
}

}  // namespace

Regex compile_regex(const std::string &pattern, bool icase) {
  auto flags = std::regex::ECMAScript;
  if (icase) flags |= std::regex::icase;
  return Regex{std::regex(pattern, flags), cost_per_char(pattern)};
}

std::size_t regex_stack_need(const Regex &re, std::size_t text_length) {
  if (text_length > (kMaxHelperStack - kFixedNeed) / re.stack_per_char) return kMaxHelperStack + 1;
  return kFixedNeed + text_length * re.stack_per_char;
}

bool regex_full_match(const std::string &text, const Regex &re) {
  bool matched = false;
  with_stack_for(re, text.size(), [&] { matched = std::regex_match(text, re.re); });
  return matched;
}

bool regex_search_group(const std::string &text, const Regex &re, std::size_t group, RegexSpan &span) {
  std::smatch match;
  bool found = false;
  with_stack_for(re, text.size(), [&] { found = std::regex_search(text, match, re.re); });
  if (!found) return false;
  span = RegexSpan{};
  if (group < match.size() && match[group].matched) {
    span.position = match.position(group);
    span.length = match.length(group);
  }
  return true;
}

bool regex_full_match_groups(const std::string &text, const Regex &re, std::vector<std::string> &groups) {
  std::smatch match;
  bool matched = false;
  groups.clear();
  with_stack_for(re, text.size(), [&] { matched = std::regex_match(text, match, re.re); });
  if (!matched) return false;
  for (std::size_t i = 0; i < match.size(); ++i) groups.push_back(match[i].matched ? match[i].str() : std::string());
  return true;
}

std::string regex_replace_all(const std::string &text, const Regex &re, const std::string &format) {
  std::string result;
  with_stack_for(re, text.size(), [&] { result = std::regex_replace(text, re.re, format); });
  return result;
}

}  // namespace qb
