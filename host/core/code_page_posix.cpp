#include "host/core/platform.h"

namespace qbhost {

// File names here are UTF-8 or single bytes, never Shift-JIS, and the
// library's paths hold them as they are.
bool system_code_page_is_shift_jis() { return false; }

std::filesystem::path system_path(const std::string &text) { return std::filesystem::path(text); }

std::string system_text(const std::filesystem::path &path) { return path.generic_string(); }

}  // namespace qbhost
