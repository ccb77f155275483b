// Wildcard name patterns.
#pragma once

#include <string>

#include "toolkit/text/regex.h"

namespace qb {

// * any run, ? one character, letter case ignored; { } - , : = ! and blanks
// keep their regular-expression meaning.  Throws std::regex_error when the
// result does not compile (an unbalanced brace, say).  Callers match the
// whole name (regex_full_match).
Regex wildcard_to_regex(const std::string &pattern);

// The regular-expression text before compilation (for tests and messages).
std::string wildcard_to_regex_text(const std::string &pattern);

}  // namespace qb
