// New names for the five change modes.  Every comparison is byte for byte and
// case-sensitive; names may be Shift-JIS and are never decoded, but a search
// never starts or ends inside one of their characters.
#include "tools/rename/new_name.h"

#include "toolkit/text/code_page.h"
#include "toolkit/text/regex.h"

namespace qb::rename {
namespace {

// A run of non-blanks, one blank and a number in parentheses, the host's form
// of a repeated name (^([^ ]+) \(([0-9]+)\)$): the length of the run, else 0.
// Read directly rather than through the regular-expression matcher, since the
// rename run asks it of every item; the run holds no blank, so the first blank
// (a character of its own) ends it.
std::size_t duplicate_number_base(const std::string &name) {
  const std::size_t blank = find_char_of(host_code_page(), name, " ");
  if (blank == 0 || blank == std::string::npos) return 0;
  // " (" digits ")" to the end, at least one digit.
  if (name.size() < blank + 4 || name[blank + 1] != '(' || name.back() != ')') return 0;
  for (std::size_t i = blank + 2; i + 1 < name.size(); ++i)
    if (name[i] < '0' || name[i] > '9') return 0;
  return blank;
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
  const std::size_t base = duplicate_number_base(item_name);
  return base == 0 ? item_name : item_name.substr(0, base);
}

Regex compile_rename_pattern(const TextBuffer &pattern_text) {
  std::string wrapped = "(";
  wrapped.append(pattern_text.view());
  wrapped.push_back(')');
  return compile_regex(wrapped);
}

std::string compute_new_name(const RenameSettings &settings, const std::string &w, const Regex *pattern) {
  switch (settings.mode) {
    case Mode::kChange: return settings.change_text.str();
    case Mode::kPrefix: return settings.prefix_text.str() + w;
    case Mode::kSuffix: return w + settings.suffix_text.str();
    case Mode::kReplace: return replace_first(w, settings.search_text, settings.replace_text);
    case Mode::kRegex:
      return pattern == nullptr ? std::string() : replace_match(w, *pattern, settings.pattern_replace_text);
    default: return std::string();
  }
}

std::string compute_new_name(const RenameSettings &settings, const std::string &w) {
  if (settings.mode != Mode::kRegex) return compute_new_name(settings, w, nullptr);
  const Regex pattern = compile_rename_pattern(settings.pattern_text);
  return compute_new_name(settings, w, &pattern);
}

}  // namespace qb::rename
