// File helpers: directory listing, path trimming and the name tests built on
// the host's object file names and item names.
#include "toolkit/files.h"

#include <string>
#include <string_view>

#include "plugin/directory.h"
#include "toolkit/lwtool2/services.h"

namespace qb {
namespace {

char separator_of(PathStyle style) { return style == PathStyle::Windows ? '\\' : '/'; }

bool is_separator(char c) { return c == '\\' || c == '/'; }

}  // namespace

// Group 1 of "^(.*[^\\/]+)[\\/]*$" as a whole, read directly rather than
// through the matcher: the group is the path without its trailing separators;
// "." takes any byte but a line break, so none may come before the last
// separator that is left (after it, "[^\\/]+" takes them).  No match (empty,
// separators only, such a line break) leaves the path as it is.
std::string trim_trailing_separators(const std::string &path) {
  const std::size_t last_kept = path.find_last_not_of("\\/");
  if (last_kept == std::string::npos) return path;
  const std::string_view kept(path.data(), last_kept + 1);
  const std::size_t separator = kept.find_last_of("\\/");
  if (separator != std::string_view::npos && kept.substr(0, separator).find_first_of("\n\r") != std::string_view::npos)
    return path;
  return std::string(kept);
}

std::vector<std::string> list_files(const std::string &directory, PathStyle style) {
  std::vector<std::string> files;
  files.reserve(32);
  const std::string trimmed = trim_trailing_separators(directory);
  if (trimmed.empty()) return files;
  // Only a path of separators alone (a root) still ends in one.
  std::string prefix = trimmed;
  if (!is_separator(prefix.back())) prefix += separator_of(style);
  for (const std::string &name : plain_file_names(trimmed)) files.push_back(prefix + name);
  return files;
}

int object_lacks_file_path(LWItemID item, PathStyle style) {
  const lwtool2::ServiceSet &set = lwtool2::services();
  if (item == nullptr || set.item_info == nullptr || set.item_info->type(item) != LWI_OBJECT) return 0;
  const char *file = set.object_info == nullptr ? nullptr : set.object_info->filename(item);
  return TextBuffer(file).is_lwo_path(style) ? 0 : 1;
}

// Group 2 of "^([^:]+):([^ ]+)( \([0-9]+\))?$" as a whole, read directly
// rather than through the matcher, since every mesh of a replacement run asks
// it: group 1 ends at the first colon, group 2 at the first blank after it,
// and what follows that blank must be the counter "(digits)" to the end.
std::string layer_name_of(const std::string &name) {
  const std::size_t colon = name.find(':');
  if (colon == 0 || colon == std::string::npos) return std::string();
  const std::string_view rest = std::string_view(name).substr(colon + 1);
  const std::size_t blank = rest.find(' ');
  if (blank == 0 || rest.empty()) return std::string();
  if (blank != std::string_view::npos) {
    if (rest.size() < blank + 4 || rest[blank + 1] != '(' || rest.back() != ')') return std::string();
    for (std::size_t i = blank + 2; i + 1 < rest.size(); ++i)
      if (rest[i] < '0' || rest[i] > '9') return std::string();
  }
  return std::string(rest.substr(0, blank));
}

std::string layer_name_of_item(LWItemID item) {
  LWItemInfo *info = lwtool2::services().item_info;
  if (info == nullptr || item == nullptr) return std::string();
  const char *name = info->name(item);
  return layer_name_of(name == nullptr ? std::string() : std::string(name));
}

}  // namespace qb
