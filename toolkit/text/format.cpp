// Formatting and text helpers.
#include "toolkit/text/format.h"

#include <algorithm>
#include <cstdio>
#include <vector>

namespace qb {
namespace {

constexpr std::size_t kMessageBufferSize = 512;

// format_text's buffer lives for the whole module lifetime and only grows.
std::vector<char> g_format_buffer;

// Removes the bytes of a UTF-8 character cut short at the end: a lead byte
// and fewer continuation bytes than it announces.
void drop_split_utf8_character(std::string &text) {
  for (std::size_t back = 1; back <= 4 && back <= text.size(); ++back) {
    const auto byte = static_cast<unsigned char>(text[text.size() - back]);
    if (byte >= 0x80 && byte <= 0xBF) continue;
    const std::size_t announced = byte >= 0xF0 ? 4 : byte >= 0xE0 ? 3 : 2;
    if (is_lead_byte(CodePage::Utf8, byte) && back < announced) text.resize(text.size() - back);
    return;
  }
}

// Removes a last byte that is the lead byte of a character cut in two.
void drop_split_character(std::string &text) {
  const CodePage code_page = host_code_page();
  if (code_page == CodePage::Utf8) return drop_split_utf8_character(text);
  const std::size_t last = last_char_start(code_page, text);
  if (last != std::string::npos && last + 1 == text.size() &&
      is_lead_byte(code_page, static_cast<unsigned char>(text[last])))
    text.pop_back();
}

}  // namespace

std::string format_text(const char *format, ...) {
  va_list args;
  va_start(args, format);
  va_list measure;
  va_copy(measure, args);
  int needed = std::vsnprintf(nullptr, 0, format, measure);
  va_end(measure);
  if (needed < 0) {
    va_end(args);
    return std::string();
  }
  std::size_t size = static_cast<std::size_t>(needed) + 1;
  if (g_format_buffer.size() < size) {
    g_format_buffer.resize(std::max(size, g_format_buffer.size() + g_format_buffer.size() / 2));
  }
  std::vsnprintf(g_format_buffer.data(), g_format_buffer.size(), format, args);
  va_end(args);
  return std::string(g_format_buffer.data(), static_cast<std::size_t>(needed));
}

std::string vformat_message(const char *format, va_list args) {
  char buffer[kMessageBufferSize];
  int written = std::vsnprintf(buffer, sizeof buffer, format, args);
  if (written < 0) return std::string();
  std::string text(buffer);  // vsnprintf cut it at 511 bytes when longer
  // A cut that leaves the first byte of a double-byte character at the end
  // would join that byte to whatever text follows the message.
  if (static_cast<std::size_t>(written) >= sizeof buffer) drop_split_character(text);
  return text;
}

std::string format_message(const char *format, ...) {
  va_list args;
  va_start(args, format);
  std::string text = vformat_message(format, args);
  va_end(args);
  return text;
}

int format_bounded(char *buffer, std::size_t size, const char *format, ...) {
  if (buffer == nullptr || size == 0) return -1;
  va_list args;
  va_start(args, format);
  int written = std::vsnprintf(buffer, size, format, args);
  va_end(args);
  if (written < 0 || static_cast<std::size_t>(written) >= size) {
    buffer[0] = '\0';
    return -1;
  }
  return written;
}

std::string lower_case(std::string_view text, CodePage code_page) {
  std::string result(text);
  for (std::size_t i = 0; i < result.size();) {
    const std::size_t length = char_length(code_page, result, i);
    // The second byte of a double-byte character may look like a capital
    // (0x83 0x41 is a katakana A): only single-byte letters fold.
    if (length == 1 && result[i] >= 'A' && result[i] <= 'Z')
      result[i] = static_cast<char>(result[i] - 'A' + 'a');
    i += length;
  }
  return result;
}

std::string lower_case(std::string_view text) { return lower_case(text, host_code_page()); }

}  // namespace qb
