#include <windows.h>

#include <cstdlib>
#include <cwchar>

#include "lwo/read_block.h"

namespace qb {

std::FILE *open_for_reading(const std::string &path, bool utf8) {
  if (!utf8) return std::fopen(path.c_str(), "rb");
  // A path that is not well-formed UTF-8 names no file.
  const int length = MultiByteToWideChar(CP_UTF8, MB_ERR_INVALID_CHARS, path.c_str(), -1, nullptr, 0);
  if (length <= 0) return nullptr;
  std::wstring wide(static_cast<std::size_t>(length), L'\0');
  if (MultiByteToWideChar(CP_UTF8, MB_ERR_INVALID_CHARS, path.c_str(), -1, wide.data(), length) != length)
    return nullptr;
  return _wfopen(wide.c_str(), L"rb");
}

ReadBlock::~ReadBlock() { std::free(bytes_); }

bool ReadBlock::allocate(std::size_t size) {
  size_ = size;
  bytes_ = static_cast<unsigned char *>(std::malloc(size ? size : 1));
  return bytes_ != nullptr;
}

}  // namespace qb
