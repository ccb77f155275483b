#include "toolkit/text/regex.h"

#include <algorithm>
#include <cstdint>
#include <exception>
#include <iterator>

#include "platform/thread_with_stack.h"
#include "toolkit/text/code_page.h"

namespace qb {
namespace {

// The caller's thread (the host's interface thread, a megabyte or less) lends the engine kCallerDepth of
// stack.  A helper thread lends kHelperDepth (about 100,000 characters of ".*") and keeps the rest for the
// engine's frames between two steps the guard sees (one pass over the compiled pattern at most); a stop
// unwinds less than 64 MiB, which the sanitizers follow.  A small pattern compiles, or is passed over once,
// in a few dozen kilobytes.
constexpr std::size_t kCallerDepth = std::size_t(256) << 10;
constexpr std::size_t kHelperStack = std::size_t(256) << 20;
constexpr std::size_t kHelperDepth = std::size_t(56) << 20;
constexpr std::size_t kSmallPattern = 64;  // bytes, and no counted repeat
// Steps (reads, moves and comparisons of a position in the text) one match may take: a second or two.
constexpr std::uint64_t kMatchStepLimit = std::uint64_t(1) << 24;

thread_local std::uint64_t steps_left = 0;    // the guard of the match running on this thread
thread_local std::uintptr_t stack_floor = 0;  // the engine's frames stay above this address
struct TooDeep {};

void step() {
  const char here = 0;
  if (steps_left-- == 0) throw std::regex_error(std::regex_constants::error_complexity);
  if (reinterpret_cast<std::uintptr_t>(&here) < stack_floor) throw TooDeep{};
}

// A position in the text that reports every use to the guard.
template <class Char>
struct Position {
  using iterator_category = std::bidirectional_iterator_tag;
  using value_type = Char;
  using difference_type = std::ptrdiff_t;
  using reference = const Char &;
  const Char *at = nullptr;
  reference operator*() const { return step(), *at; }
  Position &operator++() { return step(), ++at, *this; }
  Position &operator--() { return step(), --at, *this; }
  Position operator++(int) { return step(), Position{at++}; }
  Position operator--(int) { return step(), Position{at--}; }
  friend bool operator==(const Position &a, const Position &b) { return step(), a.at == b.at; }
};

// Runs work under a guard: for a small pattern on the caller's thread unless it goes too deep there, else on
// a helper thread, where too deep is too complex.  The work's exception reaches the caller.
template <class Work>
void guarded(bool small, Work &&work) {
  auto attempt = [&](std::size_t depth) {
    const char here = 0;
    steps_left = kMatchStepLimit;
    stack_floor = reinterpret_cast<std::uintptr_t>(&here) - depth;
    work();
  };
  try {
    if (small) return attempt(kCallerDepth);
  } catch (const TooDeep &) {
  }
  std::exception_ptr error;
  auto on_helper = [&] {
    try {
      attempt(kHelperDepth);
    } catch (const TooDeep &) {
      error = std::make_exception_ptr(std::regex_error(std::regex_constants::error_complexity));
    } catch (...) {
      error = std::current_exception();
    }
  };
  auto start = [](void *helper) { (*static_cast<decltype(on_helper) *>(helper))(); };
  if (!run_on_thread_with_stack(kHelperStack, start, &on_helper))
    throw std::regex_error(std::regex_constants::error_space);
  if (error) std::rethrow_exception(error);
}

// A Shift-JIS text as the wide engine reads it, and byte offsets in a text (a wide character past 0xFF is
// two).
std::wstring widen(const std::string &bytes) {
  std::wstring wide;
  for (std::size_t i = 0, n = 0; i < bytes.size(); i += n) {
    n = char_length(CodePage::ShiftJis, bytes, i);
    const unsigned lead = static_cast<unsigned char>(bytes[i]);
    wide.push_back(
        static_cast<wchar_t>(n == 1 ? lead : lead << 8 | static_cast<unsigned char>(bytes[i + 1])));
  }
  return wide;
}
std::ptrdiff_t byte_offset(const std::string &text, const char *at, bool) { return at - text.data(); }
std::ptrdiff_t utf8_byte_offset(const std::wstring &text, const wchar_t *at);
std::ptrdiff_t byte_offset(const std::wstring &text, const wchar_t *at, bool utf8) {
  if (utf8) return utf8_byte_offset(text, at);
  return at - text.data() + std::count_if(text.data(), at, [](wchar_t c) { return c > 0xFF; });
}

// A UTF-8 text as the wide engine reads it: each character its code point (a pair of surrogates past U+FFFF
// where wchar_t has 16 bits), each byte that starts no well-formed sequence kUtf8Stray + the byte, a lone
// low surrogate no decoding gives.
constexpr unsigned kUtf8Stray = 0xDC00;
std::wstring widen_utf8(const std::string &bytes) {
  std::wstring wide;
  for (std::size_t i = 0, n = 0; i < bytes.size(); i += n) {
    n = utf8_char_length(bytes, i);
    unsigned c = static_cast<unsigned char>(bytes[i]);
    if (n == 1) {
      wide.push_back(static_cast<wchar_t>(c < 0x80 ? c : kUtf8Stray + c));
      continue;
    }
    c &= 0xFFu >> (n + 1);
    for (std::size_t k = 1; k < n; ++k) c = c << 6 | (static_cast<unsigned char>(bytes[i + k]) & 0x3Fu);
    if (sizeof(wchar_t) == 2 && c > 0xFFFF) {
      wide.push_back(static_cast<wchar_t>(0xD800 + ((c - 0x10000) >> 10)));
      wide.push_back(static_cast<wchar_t>(0xDC00 + ((c - 0x10000) & 0x3FF)));
    } else {
      wide.push_back(static_cast<wchar_t>(c));
    }
  }
  return wide;
}
std::ptrdiff_t utf8_byte_offset(const std::wstring &text, const wchar_t *at) {
  std::ptrdiff_t bytes = 0;
  for (const wchar_t *c = text.data(); c < at; ++c) {
    const auto code = static_cast<unsigned>(*c);
    if (code >= 0xD800 && code <= 0xDBFF) {  // a pair: four bytes, counted at its first half
      bytes += 4;
      ++c;
    } else {
      bytes += code < 0x80 || (code >= kUtf8Stray + 0x80 && code <= kUtf8Stray + 0xFF) ? 1
               : code < 0x800                                                          ? 2
               : code < 0x10000                                                        ? 3
                                                                                       : 4;
    }
  }
  return bytes;
}

// The engine reads counts and group numbers into a long unchecked.  None of ten digits or more can be meant
// (a pattern is refused past 100,000 states), so such a pattern is refused before the engine reads one.
void refuse_huge_numbers(const std::string &p, CodePage code_page) {
  auto digits_at = [&](std::size_t j) {
    return std::min(p.find_first_not_of("0123456789", j), p.size()) - j;
  };
  bool in_bracket = false, in_brace = false;
  for (std::size_t i = 0; i < p.size(); i += char_length(code_page, p, i)) {
    const char c = p[i];
    if (c == '\\' && i + 1 < p.size()) {
      if (p[i + 1] != '0' && digits_at(i + 1) > 9)
        throw std::regex_error(std::regex_constants::error_backref);
      i += char_length(code_page, p, i + 1);
    } else if (in_bracket || c == '[') {
      in_bracket = c != ']';  // the first ']' closes, as in "[]", the empty class
    } else if (in_brace && digits_at(i) > 9) {
      throw std::regex_error(std::regex_constants::error_badbrace);
    } else {
      in_brace = c == '{' || (in_brace && (c == ',' || (c >= '0' && c <= '9')));
    }
  }
}

// Whole-text or first match; on a match, the byte span of `group` (-1, 0 when it took no part) in `span`.
template <class Char>
bool match(bool small, const std::basic_regex<Char> &re, const std::basic_string<Char> &text, bool utf8,
           bool whole, std::size_t group, RegexSpan *span) {
  const Position<Char> begin{text.data()}, end{text.data() + text.size()};
  std::match_results<Position<Char>> m;
  bool found = false;
  guarded(small, [&] {
    found = whole ? std::regex_match(begin, end, m, re) : std::regex_search(begin, end, m, re);
  });
  if (!found || span == nullptr) return found;
  const bool took_part = group < m.size() && m[group].matched;
  const std::ptrdiff_t first = took_part ? byte_offset(text, m[group].first.at, utf8) : -1;
  *span = {first, took_part ? byte_offset(text, m[group].second.at, utf8) - first : 0};
  return true;
}

bool run(const Regex &re, const std::string &text, bool whole, std::size_t group = 0,
         RegexSpan *span = nullptr) {
  if (re.utf8) return match(re.small, re.characters, widen_utf8(text), true, whole, group, span);
  if (re.shift_jis) return match(re.small, re.characters, widen(text), false, whole, group, span);
  return match(re.small, re.re, text, false, whole, group, span);
}

}  // namespace

Regex compile_regex(const std::string &pattern, bool icase) {
  Regex compiled;
  compiled.shift_jis = host_code_page() == CodePage::ShiftJis;
  compiled.utf8 = host_code_page() == CodePage::Utf8;
  compiled.small = pattern.size() <= kSmallPattern && pattern.find('{') == std::string::npos;
  refuse_huge_numbers(pattern, host_code_page());
  const auto flags = icase ? std::regex::ECMAScript | std::regex::icase : std::regex::ECMAScript;
  guarded(compiled.small, [&] {
    compiled.characters.imbue(std::locale::classic());
    if (compiled.utf8)
      compiled.characters.assign(widen_utf8(pattern), flags);
    else if (compiled.shift_jis)
      compiled.characters.assign(widen(pattern), flags);
    else
      compiled.re.assign(pattern, flags);
  });
  return compiled;
}

bool regex_full_match(const std::string &text, const Regex &re) {
  return re.wildcard.usable ? wildcard_full_match(text, re.wildcard) : run(re, text, true);
}

bool regex_search_group(const std::string &text, const Regex &re, std::size_t group, RegexSpan &span) {
  return run(re, text, false, group, &span);
}

}  // namespace qb
