// Scene file text: lines with their own endings, statements, numbers.
#include <algorithm>
#include <cstdio>

#include "host/lws/lws_file.h"

namespace qbhost {
namespace {

bool is_blank(char c) { return c == ' ' || c == '\t'; }

int hex_digit(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

}  // namespace

// Every ending is kept with its line, so that joining the lines again gives
// the file back byte for byte, whatever mix of endings it has.
std::vector<LwsLine> split_lines(std::string_view bytes) {
  std::vector<LwsLine> lines;
  std::size_t start = 0;
  std::size_t i = 0;
  while (i < bytes.size()) {
    char c = bytes[i];
    if (c != '\n' && c != '\r') {
      ++i;
      continue;
    }
    std::size_t end = i;
    std::size_t eol_size = (c == '\r' && i + 1 < bytes.size() && bytes[i + 1] == '\n') ? 2 : 1;
    lines.push_back({start, end - start, static_cast<uint8_t>(eol_size)});
    i += eol_size;
    start = i;
  }
  if (start < bytes.size()) lines.push_back({start, bytes.size() - start, 0});
  return lines;
}

LwsStatement parse_statement(std::string_view text) {
  std::size_t pos = 0;
  while (pos < text.size() && is_blank(text[pos])) ++pos;
  std::size_t word_start = pos;
  while (pos < text.size() && !is_blank(text[pos])) ++pos;
  LwsStatement st;
  st.keyword = text.substr(word_start, pos - word_start);
  while (pos < text.size() && is_blank(text[pos])) ++pos;
  std::size_t end = text.size();
  while (end > pos && is_blank(text[end - 1])) --end;
  st.rest_column = pos;
  st.rest = text.substr(pos, end - pos);
  return st;
}

std::string_view next_word(std::string_view &text) {
  std::size_t pos = 0;
  while (pos < text.size() && !is_blank(text[pos])) ++pos;
  std::string_view word = text.substr(0, pos);
  while (pos < text.size() && is_blank(text[pos])) ++pos;
  text.remove_prefix(pos);
  return word;
}

bool parse_int(std::string_view text, int &value) {
  if (text.empty()) return false;
  bool negative = false;
  std::size_t pos = 0;
  if (text[0] == '-' || text[0] == '+') {
    negative = text[0] == '-';
    pos = 1;
  }
  if (pos == text.size()) return false;
  long long v = 0;
  for (; pos < text.size(); ++pos) {
    if (text[pos] < '0' || text[pos] > '9') return false;
    v = v * 10 + (text[pos] - '0');
    if (v > 0x7FFFFFFF) return false;
  }
  value = static_cast<int>(negative ? -v : v);
  return true;
}

bool parse_hex(std::string_view text, uint32_t &value) {
  if (text.size() > 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X')) text.remove_prefix(2);
  if (text.empty() || text.size() > 8) return false;
  uint32_t v = 0;
  for (char c : text) {
    int d = hex_digit(c);
    if (d < 0) return false;
    v = (v << 4) | static_cast<uint32_t>(d);
  }
  value = v;
  return true;
}

bool is_item_number(std::string_view word) {
  if (word.size() != 8) return false;
  for (char c : word)
    if (hex_digit(c) < 0) return false;
  return true;
}

std::string hex_ref(uint32_t value) {
  char text[16];
  std::snprintf(text, sizeof text, "%08x", value);
  return text;
}

void LwsProblems::add(int line_index, const std::string &message) {
  if (seen.insert(message).second)
    found.emplace_back(line_index, std::to_string(line_index + 1) + ": " + message);
}

void LwsProblems::add(const std::string &message) {
  if (seen.insert(message).second) found.emplace_back(-1, message);
}

void LwsProblems::flush() {
  std::stable_sort(found.begin(), found.end(),
                   [](const auto &a, const auto &b) { return a.first < b.first; });
  if (out)
    for (auto &problem : found) out->push_back(std::move(problem.second));
  found.clear();
}

}  // namespace qbhost
