#include "toolkit/text/wildcard_match.h"

#include <cstddef>
#include <string_view>

namespace qb {
namespace {

unsigned char byte(char c) { return static_cast<unsigned char>(c); }

// Whether the pattern character at p[k] (of `pattern_length` bytes) takes the
// name character at name[n] (of `name_length` bytes): '?' takes any one
// character, a single-byte character its own in either case, a character of
// several bytes only itself.
bool takes(const char *p, std::size_t k, std::size_t pattern_length, const char *name, std::size_t n,
           std::size_t name_length, const WildcardProgram &program) {
  if (pattern_length == 1 && p[k] == '?') return true;
  if (pattern_length != name_length) return false;
  if (pattern_length == 1) return program.folded[byte(p[k])] == program.folded[byte(name[n])];
  return std::string_view(p + k, pattern_length) == std::string_view(name + n, name_length);
}

// Whole-segment match of a pattern and a name piece, neither holding a line
// break: every star may take any run of characters, so the usual walk (retry
// from the last star, one character further) is exact.
bool segment_matches(std::string_view name, std::string_view p, const WildcardProgram &program) {
  const CodePage code_page = program.code_page;
  std::size_t n = 0, k = 0;
  std::size_t star = std::string::npos, star_name = 0;
  while (n < name.size()) {
    const std::size_t name_length = char_length(code_page, name, n);
    const std::size_t pattern_length = k < p.size() ? char_length(code_page, p, k) : 0;
    if (pattern_length == 1 && p[k] == '*') {
      star = k++;
      star_name = n;
    } else if (pattern_length != 0 &&
               takes(p.data(), k, pattern_length, name.data(), n, name_length, program)) {
      k += pattern_length;
      n += name_length;
    } else if (star != std::string::npos) {
      k = star + 1;
      star_name += char_length(code_page, name, star_name);
      n = star_name;
    } else {
      return false;
    }
  }
  while (k < p.size() && p[k] == '*') ++k;
  return k == p.size();
}

// The first line break of `text` at or after `from` that is a character of
// its own, else the end.
std::size_t next_line_break(std::string_view text, std::size_t from, const WildcardProgram &program) {
  while (from < text.size()) {
    const std::size_t length = char_length(program.code_page, text, from);
    if (length == 1 && program.line_break[byte(text[from])]) break;
    from += length;
  }
  return from;
}

}  // namespace

WildcardProgram make_wildcard_program(const std::string &pattern, CodePage code_page) {
  // Braces keep their counted-repeat meaning: those patterns need the engine.
  WildcardProgram program{
      pattern, find_char_of(code_page, pattern, "{}") == std::string::npos, code_page, {}, {}, false};
  for (int b = 0; b < 256; ++b)
    program.folded[b] = static_cast<unsigned char>(b >= 'A' && b <= 'Z' ? b - 'A' + 'a' : b);
  // "." and so "?" and "*" never take a line break; the regex compares every
  // character after case folding, line breaks included.
  for (int b = 0; b < 256; ++b)
    program.line_break[b] =
        program.folded[b] == program.folded['\n'] || program.folded[b] == program.folded['\r'];
  program.pattern_has_line_break = next_line_break(pattern, 0, program) != pattern.size();
  return program;
}

// No wildcard takes a line break, so every line break of the name must meet
// the same line break spelled out in the pattern, in order; between them,
// pattern and name pieces match as plain wildcards.
bool wildcard_full_match(std::string_view name, const WildcardProgram &program) {
  const std::string &p = program.pattern;
  // The usual pattern holds no line break: the whole name must match it, and then hold none either (asked
  // last, since most names fail the pattern within a character or two).
  if (!program.pattern_has_line_break)
    return segment_matches(name, p, program) && next_line_break(name, 0, program) == name.size();
  std::size_t n = 0, k = 0;
  for (;;) {
    const std::size_t n_end = next_line_break(name, n, program);
    const std::size_t k_end = next_line_break(p, k, program);
    if (!segment_matches(name.substr(n, n_end - n), std::string_view(p).substr(k, k_end - k), program))
      return false;
    const bool name_done = n_end == name.size(), pattern_done = k_end == p.size();
    if (name_done || pattern_done) return name_done && pattern_done;
    if (program.folded[byte(name[n_end])] != program.folded[byte(p[k_end])]) return false;
    n = n_end + 1;
    k = k_end + 1;
  }
}

}  // namespace qb
