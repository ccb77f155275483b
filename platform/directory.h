// The system's directory listing, the one place the module asks the
// operating system for the entries of a folder.  directory_win32.cpp uses
// FindFirstFileA/FindNextFileA/FindClose (FindFirstFileW/FindNextFileW for a
// UTF-8 folder), directory_posix.cpp opendir/readdir.
#pragma once

#include <string>
#include <vector>

namespace qb {

// The names of the plain files directly in a folder (no folders, no "." or
// ".."), in the order the system lists them.  `folder` ends in a separator
// of the platform's (the caller, who reads paths by characters, has put it
// there), so an entry's path is `folder` and its name; names are the system's
// bytes, unchanged.  Empty when the folder cannot be read.  `utf8`: the
// folder is named in UTF-8 (the 2020 host generation) and so are the names
// answered; on Windows through the wide-character functions.
std::vector<std::string> plain_file_names(const std::string &folder, bool utf8 = false);

}  // namespace qb
