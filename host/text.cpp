// Code page conversions through iconv, one character at a time so that a
// broken sequence costs only its own bytes.
#include "host/text.h"

#include <iconv.h>

#include <cerrno>
#include <cstdio>

namespace qbhost {
namespace {

struct Converter {
  iconv_t cd;
  Converter(const char *to, const char *from) : cd(iconv_open(to, from)) {}
  ~Converter() {
    if (cd != reinterpret_cast<iconv_t>(-1)) iconv_close(cd);
  }
  Converter(const Converter &) = delete;
  Converter &operator=(const Converter &) = delete;

  // Converts all of `in`; false when any of it does not convert.
  bool convert(std::string_view in, std::string &out) const {
    if (cd == reinterpret_cast<iconv_t>(-1)) return false;
    iconv(cd, nullptr, nullptr, nullptr, nullptr);
    char *src = const_cast<char *>(in.data());
    std::size_t left = in.size();
    std::string result;
    char buffer[256];
    while (left > 0) {
      char *dst = buffer;
      std::size_t room = sizeof buffer;
      std::size_t done = iconv(cd, &src, &left, &dst, &room);
      result.append(buffer, static_cast<std::size_t>(dst - buffer));
      if (done == static_cast<std::size_t>(-1) && errno_is_fatal()) return false;
    }
    out = std::move(result);
    return true;
  }

  static bool errno_is_fatal() { return errno != E2BIG; }
};

const Converter &from_sjis() {
  static const Converter converter("UTF-8", "CP932");
  return converter;
}

const Converter &to_sjis() {
  static const Converter converter("CP932", "UTF-8");
  return converter;
}

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

std::string render(std::string_view bytes, bool japanese, bool in_quotes) {
  std::string out;
  out.reserve(bytes.size());
  for (std::size_t i = 0; i < bytes.size(); ++i) {
    const auto c = static_cast<unsigned char>(bytes[i]);
    if (c >= 0x20 && c < 0x7F) {
      if (in_quotes && (c == '"' || c == '\\')) out += '\\';
      out += static_cast<char>(c);
      continue;
    }
    if (japanese) {
      std::size_t length = 0;
      if (is_half_width_kana(c)) length = 1;
      else if (is_lead_byte(c) && i + 1 < bytes.size() && is_trail_byte(static_cast<unsigned char>(bytes[i + 1])))
        length = 2;
      std::string decoded;
      if (length > 0 && from_sjis().convert(bytes.substr(i, length), decoded) && !decoded.empty()) {
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

std::string printable(std::string_view bytes, bool japanese) { return render(bytes, japanese, false); }

std::string quoted(std::string_view bytes, bool japanese) {
  std::string text(1, '"');
  return text.append(render(bytes, japanese, true)).append(1, '"');
}

bool to_host_text(std::string_view utf8, bool japanese, std::string &out) {
  bool ascii = true;
  for (char c : utf8) ascii = ascii && static_cast<unsigned char>(c) < 0x80;
  if (!japanese || ascii) {
    out.assign(utf8);
    return true;
  }
  return to_sjis().convert(utf8, out);
}

}  // namespace qbhost
