#include "toolkit/wildcard_match.h"

#include <cstddef>

namespace qb {
namespace {

// "." and so "?" and "*" never take a line break; the regex compares every
// character after case folding, line breaks included.
bool is_line_break(char c, const std::ctype<char> &fold) {
  const char folded = fold.tolower(c);
  return folded == fold.tolower('\n') || folded == fold.tolower('\r');
}

}  // namespace

WildcardProgram make_wildcard_program(const std::string &pattern, const std::ctype<char> &fold) {
  WildcardProgram program{pattern, true};
  for (const char c : pattern) {
    // Braces keep their counted-repeat meaning; a spelled-out line break is
    // the one literal the walk below does not expect.
    if (c == '{' || c == '}' || is_line_break(c, fold)) program.usable = false;
  }
  return program;
}

bool wildcard_full_match(const std::string &name, const WildcardProgram &program, const std::ctype<char> &fold) {
  // No pattern character can take a line break, so a name holding one never
  // matches; without them every star may take any run, and the usual walk
  // (retry from the last star, one character further) is exact.
  for (const char c : name) {
    if (is_line_break(c, fold)) return false;
  }
  const std::string &p = program.pattern;
  std::size_t n = 0, k = 0;
  std::size_t star = std::string::npos, star_name = 0;
  while (n < name.size()) {
    if (k < p.size() && p[k] == '*') {
      star = k++;
      star_name = n;
    } else if (k < p.size() && (p[k] == '?' || fold.tolower(p[k]) == fold.tolower(name[n]))) {
      ++k;
      ++n;
    } else if (star != std::string::npos) {
      k = star + 1;
      n = ++star_name;
    } else {
      return false;
    }
  }
  while (k < p.size() && p[k] == '*') ++k;
  return k == p.size();
}

}  // namespace qb
