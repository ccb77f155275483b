#include <windows.h>

#include "platform/directory.h"

namespace qb {

std::vector<std::string> plain_file_names(const std::string &folder) {
  std::vector<std::string> names;
  if (folder.empty()) return names;
  const std::string pattern = folder + "*";
  WIN32_FIND_DATAA entry;
  HANDLE search = FindFirstFileA(pattern.c_str(), &entry);
  if (search == INVALID_HANDLE_VALUE) return names;
  do {
    const std::string name = entry.cFileName;
    if (name == "." || name == ".." || (entry.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0) continue;
    names.push_back(name);
  } while (FindNextFileA(search, &entry));
  FindClose(search);
  return names;
}

}  // namespace qb
