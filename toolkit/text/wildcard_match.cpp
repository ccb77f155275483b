#include "toolkit/text/wildcard_match.h"

#include <cstddef>

namespace qb {
namespace {

unsigned char byte(char c) { return static_cast<unsigned char>(c); }

// Whole-segment match of a pattern and a name piece, neither holding a line
// break: every star may take any run, so the usual walk (retry from the last
// star, one character further) is exact.
bool segment_matches(const char *name, std::size_t n_end, const char *p, std::size_t p_end,
                     const WildcardProgram &program) {
  const auto &folded = program.folded;
  std::size_t n = 0, k = 0;
  std::size_t star = std::string::npos, star_name = 0;
  while (n < n_end) {
    if (k < p_end && p[k] == '*') {
      star = k++;
      star_name = n;
    } else if (k < p_end && (p[k] == '?' || folded[byte(p[k])] == folded[byte(name[n])])) {
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

std::size_t next_line_break(const std::string &text, std::size_t from, const WildcardProgram &program) {
  while (from < text.size() && !program.line_break[byte(text[from])]) ++from;
  return from;
}

}  // namespace

WildcardProgram make_wildcard_program(const std::string &pattern, const std::ctype<char> &fold) {
  // Braces keep their counted-repeat meaning: those patterns need the engine.
  WildcardProgram program{pattern, pattern.find_first_of("{}") == std::string::npos, {}, {}};
  for (int b = 0; b < 256; ++b) program.folded[b] = byte(fold.tolower(static_cast<char>(b)));
  // "." and so "?" and "*" never take a line break; the regex compares every
  // character after case folding, line breaks included.
  for (int b = 0; b < 256; ++b)
    program.line_break[b] = program.folded[b] == program.folded['\n'] || program.folded[b] == program.folded['\r'];
  return program;
}

// No wildcard takes a line break, so every line break of the name must meet
// the same line break spelled out in the pattern, in order; between them,
// pattern and name pieces match as plain wildcards.
bool wildcard_full_match(const std::string &name, const WildcardProgram &program) {
  const std::string &p = program.pattern;
  std::size_t n = 0, k = 0;
  for (;;) {
    const std::size_t n_end = next_line_break(name, n, program);
    const std::size_t k_end = next_line_break(p, k, program);
    if (!segment_matches(name.data() + n, n_end - n, p.data() + k, k_end - k, program)) return false;
    const bool name_done = n_end == name.size(), pattern_done = k_end == p.size();
    if (name_done || pattern_done) return name_done && pattern_done;
    if (program.folded[byte(name[n_end])] != program.folded[byte(p[k_end])]) return false;
    n = n_end + 1;
    k = k_end + 1;
  }
}

}  // namespace qb
