// Wildcard conversion and whole-name matching on arbitrary patterns and names,
// on an English host or, with QB_FUZZ_SHIFT_JIS=1, a Japanese one.
// Input: the pattern, a NUL byte, the name (without a NUL the input is both).
// A pattern that does not compile may raise std::regex_error and nothing
// else.  For patterns without braces (the only characters besides * and ?
// that keep a meaning) the match must equal a plain wildcard match that
// ignores ASCII case; like the regular expression's ".", the wildcards do not
// take line breaks.
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <regex>
#include <string>
#include <vector>

#include "fuzz/fuzz_check.h"
#include "toolkit/text/code_page.h"
#include "toolkit/text/pattern.h"
#include "toolkit/text/regex.h"

namespace {

using qb_fuzz::check;

qb::CodePage g_code_page = qb::CodePage::SingleByte;

// The text's characters, each one or two bytes.
std::vector<std::string> characters(const std::string &text) {
  std::vector<std::string> list;
  for (std::size_t i = 0, n = 0; i < text.size(); i += n) {
    n = qb::char_length(g_code_page, text, i);
    list.push_back(text.substr(i, n));
  }
  return list;
}

std::string fold(std::string c) {
  if (c.size() == 1 && c[0] >= 'A' && c[0] <= 'Z') c[0] = static_cast<char>(c[0] - 'A' + 'a');
  return c;
}

bool wildcard_takes(const std::string &c) { return c != "\n" && c != "\r"; }

// matched[j]: the pattern so far matches the first j characters of the name.
bool plain_wildcard_match(const std::string &pattern_text, const std::string &name_text) {
  const std::vector<std::string> pattern = characters(pattern_text), name = characters(name_text);
  std::vector<char> matched(name.size() + 1, 0), next(name.size() + 1);
  matched[0] = 1;
  for (const std::string &p : pattern) {
    std::fill(next.begin(), next.end(), 0);
    for (std::size_t j = 0; j <= name.size(); ++j) {
      if (p == "*") {
        next[j] = matched[j] || (j > 0 && next[j - 1] && wildcard_takes(name[j - 1]));
      } else if (j > 0 && matched[j - 1]) {
        const std::string &c = name[j - 1];
        next[j] = p == "?" ? wildcard_takes(c) : fold(p) == fold(c);
      }
    }
    matched.swap(next);
  }
  return matched[name.size()];
}

bool has_braces(const std::string &pattern) {
  return qb::find_char_of(g_code_page, pattern, "{}") != std::string::npos;
}

// Patterns with braces go to the standard library's matcher, which
// backtracks: k stars cost about n^k steps on a name of n bytes that does not
// match, and a counted repeat "{m}" of something that takes runs about n^m.
// The matcher stops at its step limit (a second or two, ten times that under
// the fuzzer's instrumentation); such inputs are left out so that the fuzzer
// keeps looking for other faults instead of timing out.  Wildcards without
// braces never backtrack and are all taken.
bool backtracking_bounded(const std::string &pattern, const std::string &name) {
  if (!has_braces(pattern)) return true;
  const double n = static_cast<double>(name.size() + 1);
  double steps = 1;
  for (std::size_t i = 0; i < pattern.size(); ++i) {
    if (pattern[i] == '*') steps *= n;
    if (pattern[i] != '{') continue;
    double count = 0;
    for (std::size_t j = i + 1; j < pattern.size() && pattern[j] != '}'; ++j) {
      if (pattern[j] == ',') count = 0;
      if (pattern[j] >= '0' && pattern[j] <= '9') count = std::min(64.0, count * 10 + (pattern[j] - '0'));
      if (pattern[j] == ',' && j + 1 < pattern.size() && pattern[j + 1] == '}') count = 64;  // {m,}: no bound
    }
    steps *= std::pow(n, std::max(1.0, count));
  }
  return steps <= 1e5;
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int *, char ***) {
  g_code_page = qb_fuzz::code_page_from_environment();
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, std::size_t size) {
  const std::string input(reinterpret_cast<const char *>(data), size);
  const std::size_t nul = input.find('\0');
  const std::string pattern = input.substr(0, nul);
  const std::string name = nul == std::string::npos ? input : input.substr(nul + 1);

  const std::string text = qb::wildcard_to_regex_text(pattern);
  check(text.size() >= pattern.size(), "conversion lost characters");
  if (!backtracking_bounded(pattern, name)) return 0;
  bool compiled = false;
  bool matched = false;
  try {
    const auto re = qb::wildcard_to_regex(pattern);
    compiled = true;
    matched = qb::regex_full_match(name, re);
  } catch (const std::regex_error &) {
    check(compiled || has_braces(pattern), "a pattern without braces did not compile");
    return 0;
  }
  if (!has_braces(pattern) && pattern.size() * name.size() <= 1000000)
    check(matched == plain_wildcard_match(pattern, name), "match differs from the plain wildcard match");
  return 0;
}
