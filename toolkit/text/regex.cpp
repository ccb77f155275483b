#include "toolkit/text/regex.h"

#include <algorithm>
#include <condition_variable>
#include <cstdint>
#include <exception>
#include <iterator>
#include <mutex>
#include <vector>

#include "platform/thread_with_stack.h"
#include "toolkit/text/ascii_locale.h"
#include "toolkit/text/code_page.h"

namespace qb {

// One thread with a deep stack, started by the first compile or match that needs it and ended when the
// compiled expression is dropped: a run over many items that all need it makes one thread, not one each.
struct DeepStack {
  std::mutex calls;  // one job at a time
  std::mutex lock;
  std::condition_variable changed;
  void (*job)(void *) = nullptr;
  void *argument = nullptr;
  bool quit = false;
  StackThread *thread = nullptr;

  DeepStack() = default;
  DeepStack(const DeepStack &) = delete;
  DeepStack &operator=(const DeepStack &) = delete;
  ~DeepStack() {
    if (thread == nullptr) return;
    {
      const std::lock_guard<std::mutex> hold(lock);
      quit = true;
    }
    changed.notify_all();
    join_thread(thread);
  }

  static void serve(void *self) {
    DeepStack &d = *static_cast<DeepStack *>(self);
    std::unique_lock<std::mutex> hold(d.lock);
    for (;;) {
      d.changed.wait(hold, [&] { return d.quit || d.job != nullptr; });
      if (d.quit) return;
      hold.unlock();
      d.job(d.argument);
      hold.lock();
      d.job = nullptr;
      d.changed.notify_all();
    }
  }

  // Runs work(argument) on the thread and waits for it; false when no thread can be made.
  bool run(std::size_t stack_bytes, void (*work)(void *), void *work_argument) {
    const std::lock_guard<std::mutex> one(calls);
    std::unique_lock<std::mutex> hold(lock);
    if (thread == nullptr) thread = start_thread_with_stack(stack_bytes, serve, this);
    if (thread == nullptr) return false;
    job = work;
    argument = work_argument;
    changed.notify_all();
    changed.wait(hold, [&] { return job == nullptr; });
    return true;
  }
};

namespace {

// The caller's thread (the host's interface thread, a megabyte or less) lends the engine kCallerDepth of
// stack for the frames the guard measures.  The frames it cannot measure (the compiler's recursion over the
// pattern, and the engine's frames between two steps the guard sees: one pass over the compiled pattern at
// most) are bounded beforehand by stack_units: a shallow pattern takes at most kShallowUnits of about 128
// bytes each (the sanitizers' frames are about four times larger).  The helper lends kHelperDepth (about
// 100,000 characters of ".*") and keeps the rest for those frames; a stop unwinds less than 64 MiB, which
// the sanitizers follow.
constexpr std::size_t kCallerDepth = std::size_t(256) << 10;
constexpr std::size_t kHelperStack = std::size_t(256) << 20;
constexpr std::size_t kHelperDepth = std::size_t(56) << 20;
#if defined(__SANITIZE_ADDRESS__)
constexpr std::size_t kShallowUnits = 256;
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
constexpr std::size_t kShallowUnits = 256;
#else
constexpr std::size_t kShallowUnits = 1024;
#endif
#else
constexpr std::size_t kShallowUnits = 1024;
#endif
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

// An upper bound of the stack the compiler takes for `pattern`, and the matcher between two steps, in units
// of about 128 bytes: one per character, three more per group, two per repeat; a counted repeat copies what
// it repeats.  Read by whole characters; stops counting past `most`.
std::size_t stack_units(const std::string &p, CodePage code_page, std::size_t most) {
  std::vector<std::size_t> groups;  // units before each open group
  std::size_t units = 0, last = 0;  // so far; of the last atom
  for (std::size_t i = 0, n = 0; i < p.size() && units <= most; i += n) {
    n = char_length(code_page, p, i);
    const char c = n == 1 ? p[i] : '\0';
    if (c == '\\' && i + 1 < p.size()) {
      n += char_length(code_page, p, i + 1);
      units += last = 1;
    } else if (c == '[') {  // a class is one atom; its characters count, an escape or a ']' first are inside
      std::size_t end = i + 1;
      for (std::size_t m = 0; end < p.size() && (p[end] != ']' || end == i + 1); end += m) {
        m = char_length(code_page, p, end);
        if (m == 1 && p[end] == '\\' && end + 1 < p.size()) m += char_length(code_page, p, end + 1);
      }
      n = std::min(end + 1, p.size()) - i;
      units += last = n;
    } else if (c == '(') {
      groups.push_back(units);
      units += 3;
      last = 0;
    } else if (c == ')' && !groups.empty()) {
      last = units - groups.back();
      groups.pop_back();
    } else if (c == '*' || c == '+' || c == '?') {
      units += 2;
    } else if (c == '{') {
      std::size_t end = p.find('}', i);
      if (end == std::string::npos) end = p.size();
      const std::string count = p.substr(i + 1, end - i - 1);
      const std::size_t comma = count.find(',');
      // "{m}", "{m,}" (one copy more than m) or "{m,n}"; anything else is no count.
      auto number = [&](const std::string &digits) {
        if (digits.empty() || digits.find_first_not_of("0123456789") != std::string::npos)
          return std::size_t(0);
        return digits.size() > 9 ? most + 1 : static_cast<std::size_t>(std::stoull(digits));
      };
      const std::size_t copies = comma == std::string::npos  ? number(count)
                                 : comma + 1 == count.size() ? number(count.substr(0, comma)) + 1
                                                             : number(count.substr(comma + 1));
      units += (last + 2) * std::min(copies, most + 1);
      n = std::min(end + 1, p.size()) - i;
    } else {
      units += last = 1;
    }
  }
  return units;
}

// Runs work under a guard: on the caller's thread for a shallow pattern unless it goes too deep there, else
// on the expression's helper thread, where too deep is too complex.  The work's exception reaches the caller.
template <class Work>
void guarded(bool shallow, DeepStack *helper, Work &&work) {
  auto attempt = [&](std::size_t depth) {
    const char here = 0;
    steps_left = kMatchStepLimit;
    stack_floor = reinterpret_cast<std::uintptr_t>(&here) - depth;
    work();
  };
  try {
    if (shallow) return attempt(kCallerDepth);
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
  auto start = [](void *job) { (*static_cast<decltype(on_helper) *>(job))(); };
  if (helper == nullptr || !helper->run(kHelperStack, start, &on_helper))
    throw std::regex_error(std::regex_constants::error_space);
  if (error) std::rethrow_exception(error);
}

// A Shift-JIS text as the wide engine reads it, and byte offsets in a text (a wide character past 0xFF is
// two).
std::wstring widen(std::string_view bytes) {
  std::wstring wide;
  for (std::size_t i = 0, n = 0; i < bytes.size(); i += n) {
    n = char_length(CodePage::ShiftJis, bytes, i);
    const unsigned lead = static_cast<unsigned char>(bytes[i]);
    wide.push_back(
        static_cast<wchar_t>(n == 1 ? lead : lead << 8 | static_cast<unsigned char>(bytes[i + 1])));
  }
  return wide;
}
std::ptrdiff_t byte_offset(std::string_view text, const char *at, bool) { return at - text.data(); }
std::ptrdiff_t utf8_byte_offset(std::wstring_view text, const wchar_t *at);
std::ptrdiff_t byte_offset(std::wstring_view text, const wchar_t *at, bool utf8) {
  if (utf8) return utf8_byte_offset(text, at);
  return at - text.data() + std::count_if(text.data(), at, [](wchar_t c) { return c > 0xFF; });
}

// A UTF-8 text as the wide engine reads it: each character its code point (a pair of surrogates past U+FFFF
// where wchar_t has 16 bits), each byte that starts no well-formed sequence kUtf8Stray + the byte, a lone
// low surrogate no decoding gives.
constexpr unsigned kUtf8Stray = 0xDC00;
std::wstring widen_utf8(std::string_view bytes) {
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
std::ptrdiff_t utf8_byte_offset(std::wstring_view text, const wchar_t *at) {
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
// The scan steps by whole characters, an escaped one included: the second byte of a double-byte character
// is never read as a backslash, bracket, brace or digit.
void refuse_huge_numbers(const std::string &p, CodePage code_page) {
  auto digits_at = [&](std::size_t j) {
    return std::min(p.find_first_not_of("0123456789", j), p.size()) - j;
  };
  bool in_bracket = false, in_brace = false;
  for (std::size_t i = 0, n = 0; i < p.size(); i += n) {
    n = char_length(code_page, p, i);
    const char c = n == 1 ? p[i] : '\0';
    if (c == '\\' && i + 1 < p.size()) {
      if (p[i + 1] != '0' && digits_at(i + 1) > 9)
        throw std::regex_error(std::regex_constants::error_backref);
      n += char_length(code_page, p, i + 1);
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
bool match(const Regex &re, const std::basic_regex<Char> &engine, std::basic_string_view<Char> text,
           bool utf8, bool whole, std::size_t group, RegexSpan *span) {
  const Position<Char> begin{text.data()}, end{text.data() + text.size()};
  std::match_results<Position<Char>> m;
  bool found = false;
  guarded(re.shallow, re.helper.get(), [&] {
    found = whole ? std::regex_match(begin, end, m, engine) : std::regex_search(begin, end, m, engine);
  });
  if (!found || span == nullptr) return found;
  const bool took_part = group < m.size() && m[group].matched;
  const std::ptrdiff_t first = took_part ? byte_offset(text, m[group].first.at, utf8) : -1;
  *span = {first, took_part ? byte_offset(text, m[group].second.at, utf8) - first : 0};
  return true;
}

bool run(const Regex &re, std::string_view text, bool whole, std::size_t group = 0,
         RegexSpan *span = nullptr) {
  if (re.utf8) return match<wchar_t>(re, re.characters, widen_utf8(text), true, whole, group, span);
  if (re.shift_jis) return match<wchar_t>(re, re.characters, widen(text), false, whole, group, span);
  return match<char>(re, re.re, text, false, whole, group, span);
}

}  // namespace

Regex compile_regex(const std::string &pattern, bool icase) {
  const CodePage code_page = host_code_page();
  Regex compiled;
  compiled.shift_jis = code_page == CodePage::ShiftJis;
  compiled.utf8 = code_page == CodePage::Utf8;
  refuse_huge_numbers(pattern, code_page);
  compiled.shallow = stack_units(pattern, code_page, kShallowUnits) <= kShallowUnits;
  compiled.helper = std::make_shared<DeepStack>();
  const auto flags = icase ? std::regex::ECMAScript | std::regex::icase : std::regex::ECMAScript;
  guarded(compiled.shallow, compiled.helper.get(), [&] {
    if (compiled.utf8) {
      compiled.characters.imbue(ascii_locale());
      compiled.characters.assign(widen_utf8(pattern), flags);
    } else if (compiled.shift_jis) {
      compiled.characters.imbue(ascii_locale());
      compiled.characters.assign(widen(pattern), flags);
    } else {
      compiled.re.imbue(ascii_locale());
      compiled.re.assign(pattern, flags);
    }
  });
  return compiled;
}

bool regex_full_match(std::string_view text, const Regex &re) {
  return re.wildcard.usable ? wildcard_full_match(text, re.wildcard) : run(re, text, true);
}

bool regex_search_group(std::string_view text, const Regex &re, std::size_t group, RegexSpan &span) {
  return run(re, text, false, group, &span);
}

}  // namespace qb
