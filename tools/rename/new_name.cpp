// New names for the five change modes.  Every comparison is byte for byte and
// case-sensitive; names may be Shift-JIS and are never decoded.
#include "tools/rename/new_name.h"

#include "toolkit/regex.h"

namespace qb {
namespace {

// A run of non-blanks, one blank and a number in parentheses: the host's form
// of a repeated name.
const Regex &duplicate_number_form() {
  static const Regex form = compile_regex("^([^ ]+) \\(([0-9]+)\\)$");
  return form;
}

std::string replace_first(const std::string &w, const TextBuffer &find, const TextBuffer &with) {
  return TextBuffer(std::string_view(w)).replace_first(find.view(), with.view()).str();
}

// The first match of the wrapped pattern gives way to the replacement, taken
// literally ("$1" stays "$1").  No match, or a match in which group 1 took no
// part (a pattern whose own parentheses unbalance the wrapping), changes
// nothing.
std::string replace_match(const std::string &w, const Regex &pattern, const TextBuffer &with) {
  RegexSpan group;
  if (!regex_search_group(w, pattern, 1, group) || group.position < 0) return std::string();
  const auto position = static_cast<std::size_t>(group.position);
  const auto length = static_cast<std::size_t>(group.length);
  std::string v = w.substr(0, position);
  v.append(with.view());
  v.append(w, position + length, std::string::npos);
  return v;
}

}  // namespace

std::string working_name(const std::string &item_name) {
  RegexSpan base;
  if (regex_search_group(item_name, duplicate_number_form(), 1, base) && base.position >= 0)
    return item_name.substr(static_cast<std::size_t>(base.position), static_cast<std::size_t>(base.length));
  return item_name;
}

Regex compile_rename_pattern(const TextBuffer &pattern_text) {
  std::string wrapped = "(";
  wrapped.append(pattern_text.view());
  wrapped.push_back(')');
  return compile_regex(wrapped);
}

std::string compute_new_name(const RenameSettings &settings, const std::string &w, const Regex *pattern) {
  switch (settings.mode) {
    case kModeChange:
      return settings.change_text.str();
    case kModePrefix:
      return settings.prefix_text.str() + w;
    case kModeSuffix:
      return w + settings.suffix_text.str();
    case kModeReplace:
      return replace_first(w, settings.search_text, settings.replace_text);
    case kModeRegex:
      return pattern == nullptr ? std::string() : replace_match(w, *pattern, settings.pattern_replace_text);
    default:
      return std::string();
  }
}

std::string compute_new_name(const RenameSettings &settings, const std::string &w) {
  if (settings.mode != kModeRegex) return compute_new_name(settings, w, nullptr);
  const Regex pattern = compile_rename_pattern(settings.pattern_text);
  return compute_new_name(settings, w, &pattern);
}

}  // namespace qb
