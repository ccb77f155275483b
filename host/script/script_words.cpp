#include "host/script/script_words.h"

#include <charconv>

namespace qbhost {
namespace {

bool is_blank(char c) { return c == ' ' || c == '\t'; }

}  // namespace

bool Word::is_option(std::string_view key) const {
  return text.size() > key.size() && plain > key.size() && text.compare(0, key.size(), key) == 0 &&
         text[key.size()] == '=';
}

bool split_words(std::string_view line, std::vector<Word> &words, std::string &error) {
  words.clear();
  std::size_t i = 0;
  while (true) {
    while (i < line.size() && is_blank(line[i])) ++i;
    if (i >= line.size()) return true;
    Word word;
    while (i < line.size() && !is_blank(line[i])) {
      if (line[i] != '"') {
        word.text += line[i++];
        if (!word.quoted) word.plain = word.text.size();
        continue;
      }
      word.quoted = true;
      ++i;
      while (i < line.size() && line[i] != '"') {
        if (line[i] == '\\' && i + 1 < line.size() && (line[i + 1] == '"' || line[i + 1] == '\\')) ++i;
        word.text += line[i++];
      }
      if (i >= line.size()) {
        error = "a quoted text has no closing \"";
        return false;
      }
      ++i;
    }
    words.push_back(std::move(word));
  }
}

bool parse_number(std::string_view text, long long &value) {
  int base = 10;
  bool negative = false;
  if (text.size() > 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X')) {
    base = 16;
    text.remove_prefix(2);
  } else if (!text.empty() && text[0] == '-') {
    negative = true;
    text.remove_prefix(1);
  }
  if (text.empty()) return false;
  unsigned long long magnitude = 0;
  const char *end = text.data() + text.size();
  auto [ptr, ec] = std::from_chars(text.data(), end, magnitude, base);
  if (ec != std::errc() || ptr != end || magnitude > 0x7FFFFFFFFFFFFFFFull) return false;
  value = negative ? -static_cast<long long>(magnitude) : static_cast<long long>(magnitude);
  return true;
}

}  // namespace qbhost
