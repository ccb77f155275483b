// Wildcard name patterns turned into case-blind regular expressions.
#include "toolkit/text/pattern.h"

#include <locale>

#include "toolkit/text/regex.h"
#include "toolkit/text/wildcard_match.h"

namespace qb {
namespace {

// Only these are taken literally; { } - , : = ! and blanks keep their
// regular-expression meaning, so a{2} still matches aa.
const Regex &special_characters() {
  static const Regex re = compile_regex(R"(([\^\.\$\|\(\)\[\]\*\+\?\/\\]))");
  return re;
}

const Regex &escaped_star() {
  static const Regex re = compile_regex(R"(\\\*)");
  return re;
}

const Regex &escaped_question_mark() {
  static const Regex re = compile_regex(R"(\\\?)");
  return re;
}

}  // namespace

std::string wildcard_to_regex_text(const std::string &pattern) {
  std::string text = regex_replace_all(pattern, special_characters(), R"(\$&)");
  text = regex_replace_all(text, escaped_star(), ".*");
  return regex_replace_all(text, escaped_question_mark(), ".");
}

Regex wildcard_to_regex(const std::string &pattern) {
  Regex compiled = compile_regex(wildcard_to_regex_text(pattern), true);
  compiled.wildcard = make_wildcard_program(pattern, std::use_facet<std::ctype<char>>(compiled.re.getloc()));
  return compiled;
}

}  // namespace qb
