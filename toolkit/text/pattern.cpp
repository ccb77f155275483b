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

// A pattern without braces is matched by the wildcard walk alone, which answers as the engine would; only
// counted repeats need the engine.
Regex wildcard_to_regex(const std::string &pattern) {
  WildcardProgram program = make_wildcard_program(pattern, host_code_page());
  Regex compiled = program.usable ? Regex{} : compile_regex(wildcard_to_regex_text(pattern), true);
  compiled.wildcard = std::move(program);
  return compiled;
}

}  // namespace qb
