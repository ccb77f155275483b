// File helpers: directory listing, path trimming and the layer name an item's
// name carries.
#include "toolkit/files.h"

#include <string>
#include <string_view>

#include "platform/directory.h"
#include "toolkit/text/code_page.h"

namespace qb {
namespace {

bool is_separator(char c) { return std::string_view(kPathSeparators).find(c) != std::string_view::npos; }

}  // namespace

// Group 1 of "^(.*[^\\/]+)[\\/]*$" as a whole, read directly rather than
// through the matcher: the group is the path without its trailing separators;
// "." takes any character but a line break, so none may come before the last
// separator that is left (after it, "[^\\/]+" takes them).  No match (empty,
// separators only, such a line break) leaves the path as it is.  A separator
// is a character of its own: the second byte 0x5C of a double-byte character
// (the 表 of a Japanese folder) is part of the name.
std::string trim_trailing_separators(const std::string &path) {
  const CodePage code_page = host_code_page();
  std::size_t kept_end = 0;
  for (std::size_t i = 0; i < path.size();) {
    const std::size_t length = char_length(code_page, path, i);
    i += length;
    if (length != 1 || !is_separator(path[i - 1])) kept_end = i;
  }
  if (kept_end == 0) return path;
  const std::string_view kept(path.data(), kept_end);
  const std::size_t separator = find_last_char_of(code_page, kept, kPathSeparators);
  if (separator != std::string_view::npos &&
      find_char_of(code_page, kept.substr(0, separator), "\n\r") != std::string_view::npos)
    return path;
  return std::string(kept);
}

std::vector<std::string> list_files(const std::string &directory, PathStyle style) {
  std::vector<std::string> files;
  files.reserve(32);
  const std::string trimmed = trim_trailing_separators(directory);
  if (trimmed.empty()) return files;
  // Only a path of separators alone (a root) still ends in one; a folder
  // named 表 (0x95 0x5C) ends in a character, and gets its separator.
  const bool root = ends_in_char_of(host_code_page(), trimmed, kPathSeparators);
  const std::string folder = root ? trimmed : trimmed + joining_separator(kNativePathStyle);
  const std::string prefix = root ? trimmed : trimmed + joining_separator(style);
  // A host of the 2020 generation names folders in UTF-8, and so are its files named.
  const bool utf8 = host_code_page() == CodePage::Utf8;
  for (const std::string &name : plain_file_names(folder, utf8)) files.push_back(prefix + name);
  return files;
}

// Group 2 of "^([^:]+):([^ ]+)( \([0-9]+\))?$" as a whole, read directly
// rather than through the matcher, since every mesh of a replacement run asks
// it: group 1 ends at the first colon, group 2 at the first blank after it,
// and what follows that blank must be the counter "(digits)" to the end.
// Colon and blank are characters of their own, never the second byte of a
// double-byte character.
std::string layer_name_of(const std::string &name) {
  const CodePage code_page = host_code_page();
  const std::size_t colon = find_char_of(code_page, name, ":");
  if (colon == 0 || colon == std::string::npos) return std::string();
  const std::string_view rest = std::string_view(name).substr(colon + 1);
  const std::size_t blank = find_char_of(code_page, rest, " ");
  if (blank == 0 || rest.empty()) return std::string();
  if (blank != std::string_view::npos) {
    if (rest.size() < blank + 4 || rest[blank + 1] != '(' || rest.back() != ')') return std::string();
    for (std::size_t i = blank + 2; i + 1 < rest.size(); ++i)
      if (rest[i] < '0' || rest[i] > '9') return std::string();
  }
  return std::string(rest.substr(0, blank));
}

}  // namespace qb
