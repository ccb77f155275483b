// The new name of one item, computed from the rename settings and the item's
// working name alone: no host is involved, so tests and fuzzers call it
// directly.
#pragma once

#include <string>

#include "toolkit/text/regex.h"
#include "tools/rename/rename_settings.h"

namespace qb::rename {

// The name a rename starts from.  The host makes a repeated name unique as
// "Arm (2)"; such a name is renamed from its base "Arm", so that the host can
// number the result afresh.  Any other name is used as it is.
std::string working_name(const std::string &item_name);

// The regular-expression mode's pattern, wrapped as "(%s)" so that capture
// group 1 is the whole match.  Throws std::regex_error when it does not
// compile.
Regex compile_rename_pattern(const TextBuffer &pattern_text);

// The new name for the working name w.  An empty result, or one equal to w,
// means the item keeps its name.  `pattern` is compile_rename_pattern of the
// settings, needed by the regular-expression mode only (null there gives "").
std::string compute_new_name(const RenameSettings &settings, const std::string &w, const Regex *pattern);

// The same, compiling the pattern itself when the mode needs it (throws
// std::regex_error for a pattern that does not compile).
std::string compute_new_name(const RenameSettings &settings, const std::string &w);

}  // namespace qb::rename
