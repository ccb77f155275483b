#include <dirent.h>
#include <sys/stat.h>

#include "platform/directory.h"

namespace qb {
namespace {

// Some file systems leave the entry's type unknown, and a symbolic link
// counts as what it points to.
bool is_directory(const std::string &folder, const dirent *entry) {
  if (entry->d_type == DT_DIR) return true;
  if (entry->d_type != DT_UNKNOWN && entry->d_type != DT_LNK) return false;
  struct stat info;
  const std::string path = folder + entry->d_name;
  return stat(path.c_str(), &info) == 0 && S_ISDIR(info.st_mode);
}

}  // namespace

std::vector<std::string> plain_file_names(const std::string &folder, bool) {
  std::vector<std::string> names;
  DIR *dir = opendir(folder.c_str());
  if (dir == nullptr) return names;
  while (const dirent *entry = readdir(dir)) {
    const std::string name = entry->d_name;
    if (name == "." || name == ".." || is_directory(folder, entry)) continue;
    names.push_back(name);
  }
  closedir(dir);
  return names;
}

}  // namespace qb
