// The rename tool's new-name computation on arbitrary settings and names, on
// an English host or, with QB_FUZZ_SHIFT_JIS=1, a Japanese one.
// Input: one byte for the mode, then the name, the mode's first text and its
// second text, separated by NUL bytes.  A regular expression that does not
// compile may raise std::regex_error and nothing else; every result has the
// shape its mode promises.
#include <cstdint>
#include <regex>
#include <string>
#include <vector>

#include "fuzz/fuzz_check.h"
#include "toolkit/text/code_page.h"
#include "tools/rename/new_name.h"

namespace {

using qb_fuzz::check;

std::vector<std::string> fields(const uint8_t *data, std::size_t size, std::size_t count) {
  std::vector<std::string> out(count);
  std::size_t field = 0;
  for (std::size_t i = 0; i < size; ++i) {
    if (data[i] == 0 && field + 1 < count) ++field;
    else out[field].push_back(static_cast<char>(data[i]));
  }
  return out;
}

// "Base (12)": a run of non-blanks, one blank and a number in parentheses.
std::string expected_working_name(const std::string &name) {
  const std::size_t blank = name.find(' ');
  if (blank == std::string::npos || blank == 0 || name.size() < blank + 4) return name;
  if (name[blank + 1] != '(' || name.back() != ')') return name;
  for (std::size_t i = blank + 2; i + 1 < name.size(); ++i)
    if (name[i] < '0' || name[i] > '9') return name;
  return name.substr(0, blank);
}

// result = w with one piece (possibly empty) replaced by `with`.
bool one_piece_replaced(const std::string &w, const std::string &with, const std::string &result) {
  if (result.size() < with.size()) return false;
  const std::size_t rest = result.size() - with.size();  // bytes of w kept
  if (rest > w.size()) return false;
  const std::size_t cut = w.size() - rest;
  for (std::size_t pos = 0; pos + cut <= w.size(); ++pos) {
    if (result.compare(0, pos, w, 0, pos) == 0 && result.compare(pos, with.size(), with) == 0 &&
        result.compare(pos + with.size(), std::string::npos, w, pos + cut, std::string::npos) == 0)
      return true;
  }
  return false;
}

std::string replace_first(const std::string &w, const std::string &find, const std::string &with) {
  if (w.empty()) return w;
  // Between whole characters of the host's code page.
  const std::size_t at = qb::find_text(qb::host_code_page(), w, find);
  return at == std::string::npos ? w : w.substr(0, at) + with + w.substr(at + find.size());
}

// The user's own regular expression runs on the standard library's
// backtracking matcher, which takes exponential time on nested or stacked
// quantifiers ("z**", "(a*)*"); libstdc++ even accepts "z**", which
// ECMAScript forbids.  Such inputs are left out above a small name length, so
// that the fuzzer keeps looking for other faults instead of timing out.
bool backtracking_bounded(const std::string &pattern, const std::string &name) {
  std::size_t quantifiers = 0;
  for (char c : pattern) quantifiers += c == '*' || c == '+' || c == '?' || c == '{';
  return quantifiers <= 1 || (quantifiers <= 4 && name.size() <= 16);
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int *, char ***) {
  qb_fuzz::code_page_from_environment();
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, std::size_t size) {
  if (size == 0) return 0;
  const std::vector<std::string> f = fields(data + 1, size - 1, 3);
  const std::string &name = f[0], &first = f[1], &second = f[2];

  std::string w;
  try {
    w = qb::rename::working_name(name);
  } catch (const std::regex_error &) {
    return 0;
  }
  check(w == expected_working_name(name), "working name is not the base of the duplicate form");

  qb::rename::RenameSettings settings;
  settings.mode = static_cast<qb::rename::Mode>(data[0] % 6);  // 5: not a mode
  settings.change_text.assign(first);
  settings.prefix_text.assign(first);
  settings.suffix_text.assign(first);
  settings.search_text.assign(first);
  settings.replace_text.assign(second);
  settings.pattern_text.assign(first);
  settings.pattern_replace_text.assign(second);

  if (settings.mode == qb::rename::Mode::kRegex && !backtracking_bounded(first, w)) return 0;
  std::string result;
  try {
    result = qb::rename::compute_new_name(settings, w);
  } catch (const std::regex_error &) {
    check(settings.mode == qb::rename::Mode::kRegex,
          "a regular-expression error outside the regular-expression mode");
    return 0;
  }
  switch (settings.mode) {
    case qb::rename::Mode::kChange: check(result == first, "new name is not the given name"); break;
    case qb::rename::Mode::kPrefix: check(result == first + w, "prefix not put before the name"); break;
    case qb::rename::Mode::kSuffix: check(result == w + first, "suffix not put after the name"); break;
    case qb::rename::Mode::kReplace:
      check(result == replace_first(w, first, second), "not the first occurrence replaced");
      break;
    case qb::rename::Mode::kRegex:
      check(result.empty() || one_piece_replaced(w, second, result), "not one match replaced");
      break;
    default: check(result.empty(), "a new name from an unknown mode"); break;
  }
  return 0;
}
