// The tool library's counted text.
#include "toolkit/text/text_buffer.h"

#include <cstring>
#include <limits>
#include <stdexcept>

#include "toolkit/text/code_page.h"

namespace qb {
namespace {

int32_t checked_length(std::size_t size) {
  if (size >= static_cast<std::size_t>(std::numeric_limits<int32_t>::max()))
    throw std::length_error("TextBuffer: text too long");
  return static_cast<int32_t>(size);
}

}  // namespace

TextBuffer::TextBuffer(const char *text) { assign(text); }

TextBuffer::TextBuffer(std::string_view text) { assign(text); }

TextBuffer::TextBuffer(const TextBuffer &other) {
  if (other.bytes != nullptr) assign(other.view());
}

TextBuffer &TextBuffer::operator=(const TextBuffer &other) {
  if (this == &other) return *this;
  if (other.bytes == nullptr) {
    clear();
  } else {
    TextBuffer copy(other);
    *this = std::move(copy);
  }
  return *this;
}

TextBuffer::TextBuffer(TextBuffer &&other) noexcept
    : length(other.length), capacity(other.capacity), bytes(other.bytes) {
  other.length = 0;
  other.capacity = 0;
  other.bytes = nullptr;
}

TextBuffer &TextBuffer::operator=(TextBuffer &&other) noexcept {
  if (this == &other) return *this;
  delete[] bytes;
  length = other.length;
  capacity = other.capacity;
  bytes = other.bytes;
  other.length = 0;
  other.capacity = 0;
  other.bytes = nullptr;
  return *this;
}

TextBuffer::~TextBuffer() { delete[] bytes; }

void TextBuffer::clear() {
  delete[] bytes;
  bytes = nullptr;
  length = 0;
  capacity = 0;
}

void TextBuffer::assign(const char *text) {
  if (text != nullptr && text == bytes) return;
  assign(text == nullptr ? std::string_view() : std::string_view(text));
}

void TextBuffer::assign(std::string_view text) {
  if (bytes != nullptr && text.data() == bytes && text.size() == static_cast<std::size_t>(length)) return;
  if (text.empty()) {
    if (bytes != nullptr) bytes[0] = '\0';
    length = 0;
    return;
  }
  int32_t n = checked_length(text.size());
  if (capacity < static_cast<uint32_t>(n) + 1) {
    // The text may live in the array about to be replaced.
    TextBuffer fresh;
    fresh.reserve(n);
    std::memcpy(fresh.bytes, text.data(), text.size());
    *this = std::move(fresh);
    return;
  }
  std::memmove(bytes, text.data(), text.size());
  bytes[n] = '\0';
  length = n;
}

void TextBuffer::reserve(int32_t n) {
  if (n < 0) return;
  if (capacity >= static_cast<uint32_t>(n) + 1) return;
  delete[] bytes;
  bytes = new char[static_cast<std::size_t>(n) + 1]();
  capacity = static_cast<uint32_t>(n) + 1;
  length = n;
  bytes[n] = '\0';
}

TextBuffer TextBuffer::replace_first(std::string_view find, std::string_view with) const {
  std::string_view text = view();
  if (text.empty()) return TextBuffer(*this);
  // An occurrence starts and ends between characters: L is not found in the
  // second byte of キ (0x83 0x4C).
  std::size_t at = find_text(host_code_page(), text, find);
  if (at == std::string_view::npos) return TextBuffer(*this);
  std::string result;
  result.reserve(text.size() - find.size() + with.size());
  result.append(text.substr(0, at)).append(with).append(text.substr(at + find.size()));
  return TextBuffer(std::string_view(result));
}

// "^.*[\\/][^\\/]+\.lwo$" as a whole, read directly rather than through the
// matcher, since every object of a rename run is tested: the separator (\ or
// /) is the last one, at least one character comes between it and ".lwo", and
// "." takes any character but a line break, so none may come before the
// separator.  Separators, ".lwo" and line breaks are characters of their own:
// the second byte 0x5C of 表 or ソ is part of a name, not a separator.  Where
// the file system ignores letter case, ".LWO" is the same ending.
bool TextBuffer::is_lwo_path(PathStyle style) const {
  const CodePage code_page = host_code_page();
  const std::string_view text = view();
  const std::size_t separator = find_last_char_of(code_page, text, kPathSeparators);
  if (separator == std::string_view::npos) return false;
  const std::string_view file = text.substr(separator + 1);
  const bool lwo = ignores_letter_case(style) ? ends_with_text_ignoring_case(code_page, file, ".lwo")
                                              : ends_with_text(code_page, file, ".lwo");
  return file.size() > 4 && lwo &&
         find_char_of(code_page, text.substr(0, separator), "\n\r") == std::string_view::npos;
}

}  // namespace qb
