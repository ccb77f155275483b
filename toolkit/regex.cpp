// Regular-expression matching for the whole module, kept in one place so the
// matcher can be exchanged without touching its callers.
#include "toolkit/regex.h"

namespace qb {

std::regex compile_regex(const std::string &pattern, bool icase) {
  auto flags = std::regex::ECMAScript;
  if (icase) flags |= std::regex::icase;
  return std::regex(pattern, flags);
}

bool regex_full_match(const std::string &text, const std::regex &re) { return std::regex_match(text, re); }

bool regex_search_group(const std::string &text, const std::regex &re, std::size_t group, RegexSpan &span) {
  std::smatch match;
  if (!std::regex_search(text, match, re)) return false;
  span = RegexSpan{};
  if (group < match.size() && match[group].matched) {
    span.position = match.position(group);
    span.length = match.length(group);
  }
  return true;
}

bool regex_full_match_groups(const std::string &text, const std::regex &re, std::vector<std::string> &groups) {
  std::smatch match;
  groups.clear();
  if (!std::regex_match(text, match, re)) return false;
  for (std::size_t i = 0; i < match.size(); ++i) groups.push_back(match[i].matched ? match[i].str() : std::string());
  return true;
}

std::string regex_replace_all(const std::string &text, const std::regex &re, const std::string &format) {
  return std::regex_replace(text, re, format);
}

}  // namespace qb
