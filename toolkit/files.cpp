// File helpers: directory listing, path trimming and the name tests built on
// the host's object file names and item names.
#include "toolkit/files.h"

#include <string>

#include "toolkit/lwtool2/services.h"
#include "toolkit/regex.h"

#ifdef _WIN32
#include <windows.h>
#else
#include <dirent.h>
#include <sys/stat.h>
#endif

namespace qb {
namespace {

char separator_of(PathStyle style) { return style == PathStyle::Windows ? '\\' : '/'; }

bool is_separator(char c) { return c == '\\' || c == '/'; }

#ifdef _WIN32
template <class Each>
void for_each_plain_file(const std::string &directory, Each &&each) {
  WIN32_FIND_DATAA entry;
  HANDLE search = FindFirstFileA((directory + "\\*").c_str(), &entry);
  if (search == INVALID_HANDLE_VALUE) return;
  do {
    std::string name = entry.cFileName;
    if (name == "." || name == "..") continue;
    if ((entry.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0) continue;
    each(name);
  } while (FindNextFileA(search, &entry));
  FindClose(search);
}
#else
bool is_directory(const std::string &directory, const dirent *entry) {
  if (entry->d_type == DT_DIR) return true;
  if (entry->d_type != DT_UNKNOWN && entry->d_type != DT_LNK) return false;
  struct stat info;
  std::string path = directory + "/" + entry->d_name;
  return stat(path.c_str(), &info) == 0 && S_ISDIR(info.st_mode);
}

template <class Each>
void for_each_plain_file(const std::string &directory, Each &&each) {
  DIR *dir = opendir(directory.c_str());
  if (dir == nullptr) return;
  while (const dirent *entry = readdir(dir)) {
    std::string name = entry->d_name;
    if (name == "." || name == "..") continue;
    if (is_directory(directory, entry)) continue;
    each(name);
  }
  closedir(dir);
}
#endif

}  // namespace

std::string trim_trailing_separators(const std::string &path) {
  static const Regex trailing = compile_regex(R"(^(.*[^\\/]+)[\\/]*$)");
  std::vector<std::string> groups;
  if (path.empty() || !regex_full_match_groups(path, trailing, groups)) return path;
  return groups[1];
}

std::vector<std::string> list_files(const std::string &directory, PathStyle style) {
  std::vector<std::string> files;
  files.reserve(32);
  const std::string trimmed = trim_trailing_separators(directory);
  if (trimmed.empty()) return files;
  // Only a path of separators alone (a root) still ends in one.
  std::string prefix = trimmed;
  if (!is_separator(prefix.back())) prefix += separator_of(style);
  for_each_plain_file(trimmed, [&](const std::string &name) { files.push_back(prefix + name); });
  return files;
}

int object_lacks_file_path(LWItemID item, PathStyle style) {
  const lwtool2::ServiceSet &set = lwtool2::services();
  if (item == nullptr || set.item_info == nullptr || set.item_info->type(item) != LWI_OBJECT) return 0;
  const char *file = set.object_info == nullptr ? nullptr : set.object_info->filename(item);
  return TextBuffer(file).is_lwo_path(style) ? 0 : 1;
}

std::string layer_name_of(const std::string &name) {
  static const Regex layered = compile_regex(R"(^([^:]+):([^ ]+)( \([0-9]+\))?$)");
  std::vector<std::string> groups;
  if (!regex_full_match_groups(name, layered, groups)) return std::string();
  return groups[2];
}

std::string layer_name_of_item(LWItemID item) {
  LWItemInfo *info = lwtool2::services().item_info;
  if (info == nullptr || item == nullptr) return std::string();
  const char *name = info->name(item);
  return layer_name_of(name == nullptr ? std::string() : std::string(name));
}

}  // namespace qb
