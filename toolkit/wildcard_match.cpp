#include "toolkit/wildcard_match.h"

#include <cstddef>

namespace qb {
namespace {

// "." and so "?" and "*" never take a line break; the regex compares every
// other character after case folding, line breaks included.
bool is_line_break(char c, const std::ctype<char> &fold) {
  const char folded = fold.tolower(c);
  return folded == fold.tolower('\n') || folded == fold.tolower('\r');
}

bool same_letter(char a, char b, const std::ctype<char> &fold) { return fold.tolower(a) == fold.tolower(b); }

// Whole-segment match of a pattern and a name piece, neither holding a line
// break: every star may take any run, so the usual walk (retry from the last
// star, one character further) is exact.
bool segment_matches(const char *name, std::size_t n_end, const char *p, std::size_t p_end,
                     const std::ctype<char> &fold) {
  std::size_t n = 0, k = 0;
  std::size_t star = std::string::npos, star_name = 0;
  while (n < n_end) {
    if (k < p_end && p[k] == '*') {
      star = k++;
      star_name = n;
    } else if (k < p_end && (p[k] == '?' || same_letter(p[k], name[n], fold))) {
      ++k;
      ++n;
    } else if (star != std::string::npos) {
      k = star + 1;
      n = ++star_name;
    } else {
      return false;
    }
  }
  while (k < p_end && p[k] == '*') ++k;
  return k == p_end;
}

std::size_t next_line_break(const std::string &text, std::size_t from, const std::ctype<char> &fold) {
  while (from < text.size() && !is_line_break(text[from], fold)) ++from;
  return from;
}

}  // namespace

WildcardProgram make_wildcard_program(const std::string &pattern, const std::ctype<char> &) {
  // Braces keep their counted-repeat meaning: those patterns need the engine.
  return WildcardProgram{pattern, pattern.find_first_of("{}") == std::string::npos};
}

// No wildcard takes a line break, so every line break of the name must meet
// the same line break spelled out in the pattern, in order; between them,
// pattern and name pieces match as plain wildcards.
bool wildcard_full_match(const std::string &name, const WildcardProgram &program, const std::ctype<char> &fold) {
  const std::string &p = program.pattern;
  std::size_t n = 0, k = 0;
  for (;;) {
    const std::size_t n_end = next_line_break(name, n, fold);
    const std::size_t k_end = next_line_break(p, k, fold);
    if (!segment_matches(name.data() + n, n_end - n, p.data() + k, k_end - k, fold)) return false;
    const bool name_done = n_end == name.size(), pattern_done = k_end == p.size();
    if (name_done || pattern_done) return name_done && pattern_done;
    if (!same_letter(name[n_end], p[k_end], fold)) return false;
    n = n_end + 1;
    k = k_end + 1;
  }
}

}  // namespace qb
