// Regular-expression matching for the whole module, kept in one place so that
// every match is safe for texts of any length and bounded in time.
#include "toolkit/text/regex.h"

#include <exception>
#include <functional>
#include <iterator>
#include <vector>

#include "platform/thread_with_stack.h"
#include "toolkit/text/code_page.h"

namespace qb {
namespace {

// The caller's thread (the host's interface thread, a megabyte or less) lends
// the engine kCallerDepth of stack.  A helper thread lends kHelperDepth (about
// 100,000 characters of ".*") and keeps the rest for the engine's frames
// between two steps the guard sees (one pass over the compiled pattern at
// most); a stop unwinds less than 64 MiB, which the sanitizers follow.
constexpr std::size_t kCallerDepth = std::size_t(256) << 10;
constexpr std::size_t kHelperStack = std::size_t(256) << 20;
constexpr std::size_t kHelperDepth = std::size_t(56) << 20;
// Compiling such a pattern, or one pass over it, takes a few dozen kilobytes.
constexpr std::size_t kSmallPattern = 64;  // bytes, and no counted repeat

struct TooDeepForCaller {};

std::uintptr_t address_of(const char &local) { return reinterpret_cast<std::uintptr_t>(&local); }

// The guard of the match running on this thread.
struct Guard;
thread_local Guard *active_guard = nullptr;
struct Guard {
  std::uint64_t steps_left = kMatchStepLimit;
  std::uintptr_t floor = 0;  // the engine's frames stay above this address
  bool on_caller;            // too deep: the match moves to a helper thread
  Guard(std::size_t depth, bool caller) : on_caller(caller) {
    const char here = 0;
    floor = address_of(here) - depth;
    active_guard = this;
  }
  ~Guard() { active_guard = nullptr; }
};

void step() {
  Guard *guard = active_guard;
  const char here = 0;
  if (guard == nullptr) return;
  if (guard->steps_left-- == 0) throw std::regex_error(std::regex_constants::error_complexity);
  if (address_of(here) >= guard->floor) return;
  if (guard->on_caller) throw TooDeepForCaller{};
  throw std::regex_error(std::regex_constants::error_complexity);
}

// A position in the text that reports every use to the active guard.
template <class Char>
struct Position {
  using iterator_category = std::bidirectional_iterator_tag;
  using value_type = Char;
  using difference_type = std::ptrdiff_t;
  using pointer = const Char *;
  using reference = const Char &;
  const Char *at = nullptr;

  reference operator*() const { return step(), *at; }
  pointer operator->() const { return &**this; }
  Position &operator++() { return step(), ++at, *this; }
  Position &operator--() { return step(), --at, *this; }
  Position operator++(int) { return step(), Position{at++}; }
  Position operator--(int) { return step(), Position{at--}; }
  friend bool operator==(const Position &a, const Position &b) { return step(), a.at == b.at; }
};

// Runs work on a thread with kHelperStack of stack; its exception reaches the caller.
void on_helper_thread(const std::function<void()> &work) {
  struct Job {
    const std::function<void()> &work;
    std::exception_ptr error;
  } job{work, nullptr};
  auto run = [](void *arg) {
    auto &j = *static_cast<Job *>(arg);
    try {
      j.work();
    } catch (...) {
      j.error = std::current_exception();
    }
  };
  if (!run_on_thread_with_stack(kHelperStack, run, &job)) throw std::regex_error(std::regex_constants::error_space);
  if (job.error) std::rethrow_exception(job.error);
}

void guarded(bool small, const std::function<void()> &match) {
  try {
    if (small) {
      Guard guard(kCallerDepth, true);
      return match();
    }
  } catch (const TooDeepForCaller &) {
  }
  on_helper_thread([&] {
    Guard guard(kHelperDepth, false);
    match();
  });
}

// A Shift-JIS text as the wide engine reads it, with the byte offset of each
// character and of the end.
struct WideText {
  std::wstring text;
  std::vector<std::ptrdiff_t> offsets;
};

WideText widen(const std::string &bytes) {
  WideText wide;
  for (std::size_t i = 0, n = 0; i < bytes.size(); i += n) {
    n = char_length(CodePage::ShiftJis, bytes, i);
    const unsigned lead = static_cast<unsigned char>(bytes[i]);
    wide.text.push_back(static_cast<wchar_t>(n == 1 ? lead : lead << 8 | static_cast<unsigned char>(bytes[i + 1])));
    wide.offsets.push_back(static_cast<std::ptrdiff_t>(i));
  }
  wide.offsets.push_back(static_cast<std::ptrdiff_t>(bytes.size()));
  return wide;
}

// The engine reads counts and group numbers into a long without an overflow
// check.  None of ten digits or more can be meant (a pattern is refused past
// 100,000 states), so the pattern is refused before the engine reads one.
void refuse_huge_numbers(const std::string &p, CodePage code_page) {
  auto digits_at = [&](std::size_t j) {
    std::size_t n = 0;
    while (j + n < p.size() && p[j + n] >= '0' && p[j + n] <= '9') ++n;
    return n;
  };
  bool in_bracket = false, in_brace = false;
  for (std::size_t i = 0; i < p.size(); i += char_length(code_page, p, i)) {
    const char c = p[i];
    if (c == '\\' && i + 1 < p.size()) {
      if (p[i + 1] != '0' && digits_at(i + 1) > 9) throw std::regex_error(std::regex_constants::error_backref);
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

// Whole-text match or first match, with the byte span of `group` in `span`.
template <class Char, class Engine, class Offset>
bool run(bool small, const Engine &engine, const std::basic_string<Char> &text, bool whole, std::size_t group,
         RegexSpan *span, Offset byte_offset) {
  const Position<Char> begin{text.data()}, end{text.data() + text.size()};
  bool found = false;
  RegexSpan result;
  guarded(small, [&] {
    std::match_results<Position<Char>> m;
    found = whole ? std::regex_match(begin, end, m, engine) : std::regex_search(begin, end, m, engine);
    if (!found || group >= m.size() || !m[group].matched) return;
    result.position = byte_offset(m[group].first.at - begin.at);
    result.length = byte_offset(m[group].second.at - begin.at) - result.position;
  });
  if (found && span != nullptr) *span = result;
  return found;
}

bool run(const Regex &re, const std::string &text, bool whole, std::size_t group, RegexSpan *span) {
  if (!re.shift_jis) return run(re.small, re.re, text, whole, group, span, [](std::ptrdiff_t i) { return i; });
  const WideText wide = widen(text);
  return run(re.small, re.characters, wide.text, whole, group, span,
             [&](std::ptrdiff_t i) { return wide.offsets[static_cast<std::size_t>(i)]; });
}

}  // namespace

Regex compile_regex(const std::string &pattern, bool icase) {
  Regex compiled;
  compiled.shift_jis = host_code_page() == CodePage::ShiftJis;
  compiled.small = pattern.size() <= kSmallPattern && pattern.find('{') == std::string::npos;
  refuse_huge_numbers(pattern, host_code_page());
  const auto flags = icase ? std::regex::ECMAScript | std::regex::icase : std::regex::ECMAScript;
  auto compile = [&] {
    compiled.characters.imbue(std::locale::classic());
    if (compiled.shift_jis) compiled.characters.assign(widen(pattern).text, flags);
    else compiled.re.assign(pattern, flags);
  };
  if (compiled.small) compile();
  else on_helper_thread(compile);
  return compiled;
}

bool regex_full_match(const std::string &text, const Regex &re) {
  if (re.wildcard.usable) return wildcard_full_match(text, re.wildcard);
  return run(re, text, true, 0, nullptr);
}

bool regex_search_group(const std::string &text, const Regex &re, std::size_t group, RegexSpan &span) {
  return run(re, text, false, group, &span);
}

}  // namespace qb
