// The tool library's own counted text: a heap array owned by the buffer,
// null-terminated, or null when nothing was ever stored.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "platform/path_style.h"

namespace qb {

struct TextBuffer {
  int32_t length = 0;
  uint32_t capacity = 0;
  char *bytes = nullptr;

  TextBuffer() = default;
  explicit TextBuffer(const char *text);
  explicit TextBuffer(std::string_view text);
  TextBuffer(const TextBuffer &other);
  TextBuffer &operator=(const TextBuffer &other);
  TextBuffer(TextBuffer &&other) noexcept;
  TextBuffer &operator=(TextBuffer &&other) noexcept;
  ~TextBuffer();

  void clear();
  void assign(const char *text);
  void assign(std::string_view text);
  void reserve(int32_t n);
  // The first occurrence of `find` that does not split a character of the
  // host's code page.
  TextBuffer replace_first(std::string_view find, std::string_view with) const;
  // Whole text matches "^.*[\\/][^\\/]+\.lwo$", the ending in either letter
  // case where the style's file system ignores it.
  bool is_lwo_path(PathStyle style = kNativePathStyle) const;

  const char *c_str() const { return bytes ? bytes : ""; }
  std::string_view view() const { return bytes ? std::string_view(bytes, length) : std::string_view(); }
  std::string str() const { return std::string(view()); }
  bool empty() const { return length == 0; }
};

}  // namespace qb
