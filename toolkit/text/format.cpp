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

bool is_shift_jis_lead_byte(unsigned char byte) {
  return (byte >= 0x81 && byte <= 0x9F) || (byte >= 0xE0 && byte <= 0xFC);
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
  return std::string(buffer);  // vsnprintf cut it at 511 bytes when longer
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

std::string lower_case(std::string_view text) {
  std::string result(text);
  for (std::size_t i = 0; i < result.size(); ++i) {
    auto byte = static_cast<unsigned char>(result[i]);
    if (is_shift_jis_lead_byte(byte)) {
      ++i;  // the trail byte may look like a capital (0x83 0x41 is a katakana A)
    } else if (byte >= 'A' && byte <= 'Z') {
      result[i] = static_cast<char>(byte - 'A' + 'a');
    }
  }
  return result;
}

}  // namespace qb
