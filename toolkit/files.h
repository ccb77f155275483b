// File helpers: directory listing, path trimming, and the name tests built on
// the host's object file names and item names.
#pragma once

#include <string>
#include <vector>

#include "abi/host_api.h"
#include "toolkit/text/text_buffer.h"

namespace qb {

// Without the trailing run of \ and /; "" and a path of separators only come
// back unchanged.
std::string trim_trailing_separators(const std::string &path);

// Plain files directly in the directory, in the order the system lists them,
// each as the trimmed directory, a separator (/ on POSIX, \ on Windows) and
// the entry name.  Empty for "" or a directory that cannot be read.
std::vector<std::string> list_files(const std::string &directory, PathStyle style = kNativePathStyle);

// An object whose file name is not a path ending in .lwo (TextBuffer::is_lwo_path).
bool object_lacks_file_path(LWItemID item, PathStyle style = kNativePathStyle);

// Group 2 of "^([^:]+):([^ ]+)( \([0-9]+\))?$" on an item's name, else "".
std::string layer_name_of(const std::string &name);

}  // namespace qb
