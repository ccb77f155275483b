// Texts for the trace: Shift-JIS characters are decoded one at a time, so
// that a broken sequence costs only its own bytes.
#include "host/core/text.h"

#include <cstdio>

#include "host/core/platform.h"

namespace qbhost {
namespace {

bool is_lead_byte(unsigned char c) { return (c >= 0x81 && c <= 0x9F) || (c >= 0xE0 && c <= 0xFC); }
bool is_trail_byte(unsigned char c) { return c >= 0x40 && c <= 0xFC && c != 0x7F; }
bool is_half_width_kana(unsigned char c) { return c >= 0xA1 && c <= 0xDF; }

void append_escape(std::string &out, unsigned char c) {
  char hex[8];
  std::snprintf(hex, sizeof hex, "\\x%02X", c);
  out += hex;
}

}  // namespace

bool is_japanese(uint32_t locale) { return (locale & 0xFFFFu) == kJapaneseLocale; }

namespace {

std::string render(std::string_view bytes, TextCode code, bool in_quotes) {
  std::string out;
  out.reserve(bytes.size());
  for (std::size_t i = 0; i < bytes.size(); ++i) {
    const auto c = static_cast<unsigned char>(bytes[i]);
    if (c >= 0x20 && c < 0x7F) {
      if (in_quotes && (c == '"' || c == '\\')) out += '\\';
      out += static_cast<char>(c);
      continue;
    }
    if (code == TextCode::Utf8) {
      if (const std::size_t length = utf8_sequence_length(bytes, i); length > 0) {
        out.append(bytes.substr(i, length));
        i += length - 1;
        continue;
      }
    }
    if (code == TextCode::ShiftJis) {
      std::size_t length = 0;
      if (is_half_width_kana(c)) length = 1;
      else if (is_lead_byte(c) && i + 1 < bytes.size() &&
               is_trail_byte(static_cast<unsigned char>(bytes[i + 1])))
        length = 2;
      std::string decoded;
      if (length > 0 && shift_jis_to_utf8(bytes.substr(i, length), decoded) && !decoded.empty()) {
        out += decoded;
        i += length - 1;
        continue;
      }
    }
    append_escape(out, c);
  }
  return out;
}

}  // namespace

std::string printable(std::string_view bytes, TextCode code) { return render(bytes, code, false); }

std::string quoted(std::string_view bytes, TextCode code) {
  std::string text(1, '"');
  return text.append(render(bytes, code, true)).append(1, '"');
}

bool to_host_text(std::string_view utf8, TextCode code, std::string &out) {
  bool ascii = true;
  for (char c : utf8) ascii = ascii && static_cast<unsigned char>(c) < 0x80;
  if (code != TextCode::ShiftJis || ascii) {
    out.assign(utf8);
    return true;
  }
  return utf8_to_shift_jis(utf8, out);
}

std::size_t path_char_length(std::string_view path, std::size_t at) {
  static const bool shift_jis = system_code_page_is_shift_jis();
  return shift_jis && at + 1 < path.size() && is_lead_byte(static_cast<unsigned char>(path[at])) &&
                 is_trail_byte(static_cast<unsigned char>(path[at + 1]))
             ? 2
             : 1;
}

std::size_t find_last_path_char_of(std::string_view path, std::string_view chars) {
  std::size_t last = std::string_view::npos;
  for (std::size_t i = 0; i < path.size(); i += path_char_length(path, i))
    if (path_char_length(path, i) == 1 && chars.find(path[i]) != std::string_view::npos) last = i;
  return last;
}

bool path_ends_in_separator(std::string_view path) {
  const std::size_t last = find_last_path_char_of(path, kPathSeparators);
  return last != std::string_view::npos && last + 1 == path.size();
}

std::string hex(uint32_t value) {
  char text[16];
  std::snprintf(text, sizeof text, "0x%x", value);
  return text;
}

}  // namespace qbhost
