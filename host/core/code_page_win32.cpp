#include <windows.h>

#include "host/core/platform.h"

namespace qbhost {

bool system_code_page_is_shift_jis() { return GetACP() == 932; }

std::filesystem::path system_path(const std::string &text) {
  if (text.empty()) return std::filesystem::path();
  const int size = static_cast<int>(text.size());
  const int length = MultiByteToWideChar(CP_ACP, 0, text.data(), size, nullptr, 0);
  std::wstring wide(static_cast<std::size_t>(length), L'\0');
  MultiByteToWideChar(CP_ACP, 0, text.data(), size, wide.data(), length);
  return std::filesystem::path(wide);
}

std::string system_text(const std::filesystem::path &path) {
  const std::wstring wide = path.generic_wstring();
  if (wide.empty()) return std::string();
  const int size = static_cast<int>(wide.size());
  const int length = WideCharToMultiByte(CP_ACP, 0, wide.data(), size, nullptr, 0, nullptr, nullptr);
  std::string text(static_cast<std::size_t>(length), '\0');
  WideCharToMultiByte(CP_ACP, 0, wide.data(), size, text.data(), length, nullptr, nullptr);
  return text;
}

}  // namespace qbhost
