// Wildcard name patterns turned into case-blind regular expressions.
#include "toolkit/text/pattern.h"

#include <string_view>
#include <utility>

#include "toolkit/text/code_page.h"
#include "toolkit/text/regex.h"
#include "toolkit/text/wildcard_match.h"

namespace qb {
namespace {

// Only these are taken literally; { } - , : = ! and blanks keep their
// regular-expression meaning, so a{2} still matches aa.
constexpr std::string_view kSpecialCharacters = "^.$|()[]*+?/\\";

}  // namespace

// Each character in turn: a star becomes ".*", a question mark ".", another
// special character is escaped, and everything else, both bytes of a
// double-byte character included, is copied (so a second byte is never
// escaped on its own nor read as a brace).
std::string wildcard_to_regex_text(const std::string &pattern) {
  const CodePage code_page = host_code_page();
  std::string text;
  text.reserve(pattern.size() * 2);
  for (std::size_t i = 0; i < pattern.size();) {
    const std::size_t length = char_length(code_page, pattern, i);
    const char c = pattern[i];
    if (length == 1 && c == '*') {
      text += ".*";
    } else if (length == 1 && c == '?') {
      text += '.';
    } else {
      if (length == 1 && kSpecialCharacters.find(c) != std::string_view::npos) text += '\\';
      text.append(pattern, i, length);
    }
    i += length;
  }
  return text;
}

namespace {

// The pattern with every exact count "{n}" written out ("a{3}" is "aaa", "?{2}" is "??"), or false when a
// brace means anything else: a range "{m,n}", a count after a star, another count or nothing, a lone brace,
// or more than kMostCopies characters in all.  Those need the engine (which also refuses the wrong ones).
constexpr std::size_t kMostCopies = 4096;
bool write_out_counts(const std::string &pattern, CodePage code_page, std::string &out) {
  std::string last;  // the character a count would repeat; empty after a star, a count or at the start
  for (std::size_t i = 0, n = 0; i < pattern.size(); i += n) {
    n = char_length(code_page, pattern, i);
    const char c = n == 1 ? pattern[i] : '\0';
    if (c == '}') return false;
    if (c != '{') {
      last = c == '*' ? std::string() : pattern.substr(i, n);
      out += pattern.substr(i, n);
      continue;
    }
    const std::size_t close = pattern.find('}', i);
    if (last.empty() || close == std::string::npos || close == i + 1 || close - i > 5) return false;
    const std::string digits = pattern.substr(i + 1, close - i - 1);
    if (digits.find_first_not_of("0123456789") != std::string::npos) return false;
    const std::size_t copies = std::stoul(digits);
    if (out.size() + copies * last.size() > kMostCopies) return false;
    out.resize(out.size() - last.size());
    for (std::size_t k = 0; k < copies; ++k) out += last;
    last.clear();
    n = close + 1 - i;
  }
  return true;
}

}  // namespace

// A pattern without braces, or whose braces are exact counts only, is matched by the wildcard walk alone,
// which answers as the engine would; other counted repeats need the engine.
Regex wildcard_to_regex(const std::string &pattern) {
  const CodePage code_page = host_code_page();
  WildcardProgram program = make_wildcard_program(pattern, code_page);
  std::string written_out;
  if (!program.usable && write_out_counts(pattern, code_page, written_out))
    program = make_wildcard_program(written_out, code_page);
  Regex compiled = program.usable ? Regex{} : compile_regex(wildcard_to_regex_text(pattern), true);
  compiled.wildcard = std::move(program);
  return compiled;
}

}  // namespace qb
