#include <windows.h>

#include "platform/directory.h"

namespace qb {
namespace {

std::wstring wide_of(const std::string &utf8) {
  const int length = MultiByteToWideChar(CP_UTF8, MB_ERR_INVALID_CHARS, utf8.c_str(), -1, nullptr, 0);
  if (length <= 0) return std::wstring();
  std::wstring wide(static_cast<std::size_t>(length), L'\0');
  MultiByteToWideChar(CP_UTF8, MB_ERR_INVALID_CHARS, utf8.c_str(), -1, wide.data(), length);
  wide.resize(static_cast<std::size_t>(length) - 1);
  return wide;
}

std::string utf8_of(const wchar_t *wide) {
  const int length = WideCharToMultiByte(CP_UTF8, 0, wide, -1, nullptr, 0, nullptr, nullptr);
  if (length <= 0) return std::string();
  std::string utf8(static_cast<std::size_t>(length), '\0');
  WideCharToMultiByte(CP_UTF8, 0, wide, -1, utf8.data(), length, nullptr, nullptr);
  utf8.resize(static_cast<std::size_t>(length) - 1);
  return utf8;
}

// A UTF-8 folder, listed through the wide-character functions.
std::vector<std::string> wide_plain_file_names(const std::string &folder) {
  std::vector<std::string> names;
  const std::wstring pattern = wide_of(folder + "*");
  if (pattern.empty()) return names;  // not well-formed UTF-8: no such folder
  WIN32_FIND_DATAW entry;
  HANDLE search = FindFirstFileW(pattern.c_str(), &entry);
  if (search == INVALID_HANDLE_VALUE) return names;
  do {
    const std::string name = utf8_of(entry.cFileName);
    const bool subfolder = (entry.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
    if (name.empty() || name == "." || name == ".." || subfolder) continue;
    names.push_back(name);
  } while (FindNextFileW(search, &entry));
  FindClose(search);
  return names;
}

}  // namespace

std::vector<std::string> plain_file_names(const std::string &folder, bool utf8) {
  std::vector<std::string> names;
  if (folder.empty()) return names;
  if (utf8) return wide_plain_file_names(folder);
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
