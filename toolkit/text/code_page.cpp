#include "toolkit/text/code_page.h"

namespace qb {
namespace {
CodePage g_code_page = CodePage::SingleByte;
}  // namespace

CodePage host_code_page() noexcept { return g_code_page; }
void set_host_code_page(CodePage code_page) noexcept { g_code_page = code_page; }

bool is_char_boundary(CodePage code_page, std::string_view text, std::size_t at) noexcept {
  std::size_t i = 0;
  while (i < at && i < text.size()) i += char_length(code_page, text, i);
  return i == at;
}

std::size_t find_char_of(CodePage code_page, std::string_view text, std::string_view chars,
                         std::size_t from) noexcept {
  if (code_page == CodePage::SingleByte) return text.find_first_of(chars, from);
  for (std::size_t i = from; i < text.size();) {
    const std::size_t length = char_length(code_page, text, i);
    if (length == 1 && chars.find(text[i]) != std::string_view::npos) return i;
    i += length;
  }
  return std::string_view::npos;
}

std::size_t find_last_char_of(CodePage code_page, std::string_view text, std::string_view chars) noexcept {
  if (code_page == CodePage::SingleByte) return text.find_last_of(chars);
  std::size_t last = std::string_view::npos;
  for (std::size_t i = find_char_of(code_page, text, chars); i != std::string_view::npos;
       i = find_char_of(code_page, text, chars, i + 1))
    last = i;
  return last;
}

std::size_t find_text(CodePage code_page, std::string_view text, std::string_view find) noexcept {
  if (code_page == CodePage::SingleByte) return text.find(find);
  for (std::size_t i = 0; i <= text.size();) {
    if (text.substr(i).starts_with(find)) {
      // The occurrence must also end between two characters: step over the
      // characters it covers.
      std::size_t end = i;
      while (end < i + find.size()) end += char_length(code_page, text, end);
      if (end == i + find.size()) return i;
    }
    if (i == text.size()) break;
    i += char_length(code_page, text, i);
  }
  return std::string_view::npos;
}

bool ends_with_text(CodePage code_page, std::string_view text, std::string_view suffix) noexcept {
  return text.ends_with(suffix) && is_char_boundary(code_page, text, text.size() - suffix.size());
}

bool ends_with_text_ignoring_case(CodePage code_page, std::string_view text,
                                  std::string_view suffix) noexcept {
  if (text.size() < suffix.size()) return false;
  const std::size_t start = text.size() - suffix.size();
  auto fold = [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; };
  for (std::size_t i = 0; i < suffix.size(); ++i)
    if (fold(text[start + i]) != fold(suffix[i])) return false;
  return is_char_boundary(code_page, text, start);
}

std::size_t last_char_start(CodePage code_page, std::string_view text) noexcept {
  if (text.empty()) return std::string_view::npos;
  if (code_page == CodePage::SingleByte) return text.size() - 1;
  // A second byte looks like a character of its own from behind: only a
  // walk from the start tells where the last character begins.
  std::size_t last = 0;
  for (std::size_t i = 0; i < text.size(); i += char_length(code_page, text, i)) last = i;
  return last;
}

bool ends_in_char_of(CodePage code_page, std::string_view text, std::string_view chars) noexcept {
  const std::size_t last = last_char_start(code_page, text);
  return last != std::string_view::npos && last + 1 == text.size() &&
         chars.find(text[last]) != std::string_view::npos;
}

}  // namespace qb
