// File helpers: directory listing, path trimming, and the layer name an
// item's name carries.
#pragma once

#include <string>
#include <vector>

#include "platform/path_style.h"

namespace qb {

// Without the trailing run of \ and /; "" and a path of separators only come
// back unchanged.
std::string trim_trailing_separators(const std::string &path);

// Plain files directly in the directory, in the order the system lists them,
// each as the trimmed directory, a separator (/ on POSIX, \ on Windows) and
// the entry name.  Empty for "" or a directory that cannot be read.
std::vector<std::string> list_files(const std::string &directory, PathStyle style = kNativePathStyle);

// Group 2 of "^([^:]+):([^ ]+)( \([0-9]+\))?$" on an item's name, else "".
std::string layer_name_of(const std::string &name);

}  // namespace qb
