// Wildcard name patterns turned into case-blind regular expressions.
#include "toolkit/pattern.h"

#include <locale>
#include <string_view>

#include "toolkit/code_page.h"
#include "toolkit/regex.h"
#include "toolkit/wildcard_match.h"

namespace qb {

// * becomes ".*" and ? becomes "."; these are taken literally; { } - , : = !
// and blanks keep their regular-expression meaning, so a{2} still matches aa.
// A double-byte character of the host's code page is copied whole: its second
// byte is never escaped.
std::string wildcard_to_regex_text(const std::string &pattern) {
  static constexpr std::string_view kLiteral = "^.$|()[]+/\\";
  const CodePage code_page = host_code_page();
  std::string text;
  for (std::size_t i = 0; i < pattern.size();) {
    const std::size_t length = char_length(code_page, pattern, i);
    const char c = pattern[i];
    if (length == 2) {
      text.append(pattern, i, 2);
    } else if (c == '*') {
      text += ".*";
    } else if (c == '?') {
      text += '.';
    } else {
      if (kLiteral.find(c) != std::string_view::npos) text += '\\';
      text += c;
    }
    i += length;
  }
  return text;
}

Regex wildcard_to_regex(const std::string &pattern) {
  Regex compiled = compile_regex(wildcard_to_regex_text(pattern), true);
  compiled.wildcard = make_wildcard_program(pattern, std::use_facet<std::ctype<char>>(compiled.re.getloc()));
  return compiled;
}

}  // namespace qb
