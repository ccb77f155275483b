// Regular-expression matching for the whole module, kept in one place so that
// every match is safe for texts of any length and bounded in time.
#include "toolkit/text/regex.h"

#include <algorithm>
#include <functional>
#include <iterator>
#include <stdexcept>

#include "toolkit/text/deep_stack.h"

namespace qb {
namespace {

// Sanitizer builds give every frame red zones: about five times the stack.
#if defined(__SANITIZE_ADDRESS__)
constexpr std::size_t kFrameScale = 6;
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
constexpr std::size_t kFrameScale = 6;
#else
constexpr std::size_t kFrameScale = 1;
#endif
#else
constexpr std::size_t kFrameScale = 1;
#endif

// Measured with libstdc++ through the guarded iterator: the matcher takes a
// frame of about 100 to 300 bytes for every state on its path.  A path passes
// a state that lies on no cycle of the pattern (outside every "*", "+" and
// "{n,}") at most once, and those on cycles (a plain repeat like ".*" costs
// about 560 bytes) up to twice per character.  The estimate takes about twice
// that.
constexpr std::size_t kStateCost = 256 * kFrameScale;
constexpr std::size_t kCharCost = 512 * kFrameScale;
// Between two steps the guard sees, the matcher passes at most every state
// once; unwinding the exception that stops a match needs some stack of its
// own.
constexpr std::size_t kChainStateCost = 256 * kFrameScale;
constexpr std::size_t kUnwindReserve = 64 * 1024 * kFrameScale;
// The compiler recurses once per term and per nesting level of the pattern
// (about 100 and 420 bytes).
constexpr std::size_t kCompileCostPerByte = 1024 * kFrameScale;

// libstdc++ refuses patterns of more than 100000 states (error_space); counts
// are capped a little above that.
constexpr std::size_t kStateCap = 200000;

std::size_t capped_add(std::size_t a, std::size_t b) { return std::min(kStateCap, a + b); }

std::size_t capped_mul(std::size_t a, std::size_t b) {
  if (a != 0 && b > kStateCap / a) return kStateCap;
  return std::min(kStateCap, a * b);
}

// Index after the bracket expression that starts at `i` ("[^a-z\]]",
// "[[:alpha:]]"); the end of the pattern when it is not closed.
std::size_t skip_bracket(const std::string &p, std::size_t i) {
  std::size_t j = i + 1;
  if (j < p.size() && p[j] == '^') ++j;
  while (j < p.size()) {
    const char c = p[j];
    if (c == '\\') {
      j += 2;
    } else if (c == '[' && j + 1 < p.size() && (p[j + 1] == ':' || p[j + 1] == '.' || p[j + 1] == '=')) {
      const char close[] = {p[j + 1], ']', '\0'};
      const std::size_t end = p.find(close, j + 2);
      j = end == std::string::npos ? p.size() : end + 2;
    } else if (c == ']') {
      return j + 1;
    } else {
      ++j;
    }
  }
  return p.size();
}

// A counted repeat "{n}", "{n,}" or "{n,m}" at `i`: how many copies of the
// repeated part the compiled pattern holds, and the index after the brace.
bool parse_counted_repeat(const std::string &p, std::size_t i, std::size_t &copies, std::size_t &next) {
  auto number = [&](std::size_t &j, std::size_t &value) {
    const std::size_t start = j;
    value = 0;
    while (j < p.size() && p[j] >= '0' && p[j] <= '9') value = capped_add(capped_mul(value, 10), std::size_t(p[j++] - '0'));
    return j > start;
  };
  std::size_t j = i + 1;
  std::size_t low = 0;
  std::size_t high = 0;
  if (!number(j, low)) return false;
  copies = low;
  if (j < p.size() && p[j] == ',') {
    ++j;
    copies = number(j, high) ? std::max(low, high) : capped_add(low, 1);
  }
  if (j >= p.size() || p[j] != '}') return false;
  next = j + 1;
  return true;
}

// libstdc++ reads the numbers of counted repeats and back-references into a
// long without checking for overflow: twenty digits are undefined behaviour.
// No count or group number of ten digits or more can be meant (the library
// refuses patterns of more than 100,000 states), so such a pattern is refused
// before the library sees it.
constexpr std::size_t kMaxNumberDigits = 9;

std::size_t digits_at(const std::string &p, std::size_t j) {
  std::size_t n = 0;
  while (j + n < p.size() && p[j + n] >= '0' && p[j + n] <= '9') ++n;
  return n;
}

void refuse_huge_numbers(const std::string &p) {
  for (std::size_t i = 0; i < p.size(); ++i) {
    if (p[i] != '\\') continue;
    if (i + 1 < p.size() && p[i + 1] != '0' && digits_at(p, i + 1) > kMaxNumberDigits)
      throw std::regex_error(std::regex_constants::error_backref);
    ++i;
  }
  for (std::size_t i = 0; i < p.size();) {
    if (p[i] == '\\') {
      i += 2;
    } else if (p[i] == '[') {
      i = skip_bracket(p, i);
    } else if (p[i] == '{') {
      for (++i; i < p.size() && (p[i] == ',' || digits_at(p, i) > 0); i += std::max<std::size_t>(1, digits_at(p, i)))
        if (digits_at(p, i) > kMaxNumberDigits) throw std::regex_error(std::regex_constants::error_badbrace);
    } else {
      ++i;
    }
  }
}

// States of the group being read, and of its last atom (what a quantifier
// repeats); each with the part that lies on cycles.
struct StateCount {
  RegexStates total;
  RegexStates last;
};

// Keeps a match within its step limit and its stack.  Every move, read and
// comparison of the matcher's position passes through step(); the matcher
// cannot go deeper than one pass over its states without one.
struct MatchGuard {
  std::uint64_t steps_left = kMatchStepLimit;
  std::uintptr_t stack_floor = 0;  // 0: the stack's end is unknown

  [[noreturn]] __attribute__((noinline, cold)) static void stop() {
    throw std::regex_error(std::regex_constants::error_complexity);
  }

  void step() {
    const auto frame = reinterpret_cast<std::uintptr_t>(__builtin_frame_address(0));
    if (__builtin_expect(steps_left == 0 || frame < stack_floor, 0)) stop();
    --steps_left;
  }
};

// The guard of the match running on this thread.  Kept out of the iterator:
// a plain pointer as iterator keeps the matcher's frames small.
thread_local MatchGuard *active_guard = nullptr;

struct ActiveGuard {
  MatchGuard guard;
  MatchGuard *outer;
  explicit ActiveGuard(std::uintptr_t floor) : guard{kMatchStepLimit, floor}, outer(active_guard) {
    active_guard = &guard;
  }
  ~ActiveGuard() { active_guard = outer; }
  ActiveGuard(const ActiveGuard &) = delete;
  ActiveGuard &operator=(const ActiveGuard &) = delete;
};

// A position in the text that reports every use to the active guard.
struct GuardedIterator {
  using iterator_category = std::bidirectional_iterator_tag;
  using value_type = char;
  using difference_type = std::ptrdiff_t;
  using pointer = const char *;
  using reference = const char &;

  const char *at = nullptr;

  static void step() {
    if (active_guard != nullptr) active_guard->step();
  }
  reference operator*() const {
    step();
    return *at;
  }
  pointer operator->() const { return &**this; }
  GuardedIterator &operator++() {
    step();
    ++at;
    return *this;
  }
  GuardedIterator operator++(int) {
    GuardedIterator before = *this;
    ++*this;
    return before;
  }
  GuardedIterator &operator--() {
    step();
    --at;
    return *this;
  }
  GuardedIterator operator--(int) {
    GuardedIterator before = *this;
    --*this;
    return before;
  }
  friend bool operator==(const GuardedIterator &a, const GuardedIterator &b) {
    step();
    return a.at == b.at;
  }
};

using GuardedMatch = std::match_results<GuardedIterator>;

struct GuardedText {
  const std::string &text;

  GuardedIterator at(std::size_t position) const { return GuardedIterator{text.data() + position}; }
  GuardedIterator begin() const { return at(0); }
  GuardedIterator end() const { return at(text.size()); }
  std::size_t position(const GuardedIterator &it) const { return static_cast<std::size_t>(it.at - text.data()); }
};

// Where the stack of the calling thread ends, plus the reserve; 0 when the
// system cannot tell (then only the step limit guards the match).
std::uintptr_t stack_floor(std::size_t reserve) {
  const std::size_t left = stack_left();
  if (left == 0) return 0;
  const auto frame = reinterpret_cast<std::uintptr_t>(__builtin_frame_address(0));
  return frame - left + reserve;
}

// Runs the match with the stack it needs (a helper thread when the caller
// lacks it) and a fresh guard for the thread that runs it.
void guarded_match(const Regex &re, const std::string &text, const std::function<void(GuardedText &)> &match) {
  run_with_stack(regex_stack_need(re, text.size()), [&] {
    ActiveGuard guard(stack_floor(re.stack_reserve));
    GuardedText guarded{text};
    match(guarded);
  });
}

// The replacement of one match, as std::match_results::format writes it with
// the default flags: $$ $& $` $' $n $nn.
void append_format(std::string &out, const std::string &text, std::size_t prefix_start, const GuardedMatch &m,
                   const GuardedText &guarded, const std::string &format) {
  auto group = [&](std::size_t n) {
    if (n < m.size() && m[n].matched)
      out.append(text, guarded.position(m[n].first), static_cast<std::size_t>(m[n].second.at - m[n].first.at));
  };
  const std::size_t match_start = guarded.position(m[0].first);
  const std::size_t match_end = guarded.position(m[0].second);
  auto digit = [](char c) { return c >= '0' && c <= '9'; };
  for (std::size_t i = 0; i < format.size(); ++i) {
    if (format[i] != '$' || i + 1 == format.size()) {
      out.push_back(format[i]);
      continue;
    }
    const char c = format[++i];
    if (c == '$') {
      out.push_back('$');
    } else if (c == '&') {
      group(0);
    } else if (c == '`') {
      out.append(text, prefix_start, match_start - prefix_start);
    } else if (c == '\'') {
      out.append(text, match_end, std::string::npos);
    } else if (digit(c)) {
      std::size_t n = std::size_t(c - '0');
      if (i + 1 < format.size() && digit(format[i + 1])) n = n * 10 + std::size_t(format[++i] - '0');
      group(n);
    } else {
      out.push_back('$');
      --i;
    }
  }
}

}  // namespace

RegexStates regex_state_estimate(const std::string &p) {
  std::vector<StateCount> groups(1);
  auto add = [](RegexStates &to, RegexStates more) {
    to.states = capped_add(to.states, more.states);
    to.on_cycles = capped_add(to.on_cycles, more.on_cycles);
  };
  auto atom = [&](RegexStates states) {
    add(groups.back().total, states);
    groups.back().last = states;
  };
  auto close_group = [&] {
    RegexStates inner = groups.back().total;
    groups.pop_back();
    inner.states = capped_add(inner.states, 2);
    atom(inner);
  };
  // The repeated part once more per copy, and the repeat's own states; an
  // unbounded repeat puts all of them on a cycle.
  auto quantify = [&](std::size_t copies, bool unbounded) {
    StateCount &group = groups.back();
    RegexStates more{capped_add(capped_mul(group.last.states, copies), capped_mul(2, copies)),
                     capped_mul(group.last.on_cycles, copies)};
    if (unbounded) {
      more.on_cycles = capped_add(more.states, group.last.states - group.last.on_cycles);
    }
    add(group.total, more);
    group.last = RegexStates{};
  };
  std::size_t i = 0;
  while (i < p.size()) {
    const char c = p[i];
    std::size_t copies = 0;
    std::size_t next = 0;
    if (c == '\\') {
      i += 2;
      atom(RegexStates{1, 0});
    } else if (c == '[') {
      i = skip_bracket(p, i);
      atom(RegexStates{1, 0});
    } else if (c == '(') {
      ++i;
      if (i + 1 < p.size() && p[i] == '?' && (p[i + 1] == ':' || p[i + 1] == '=' || p[i + 1] == '!')) i += 2;
      groups.emplace_back();
    } else if (c == ')' && groups.size() > 1) {
      ++i;
      close_group();
    } else if (c == '|') {
      ++i;
      add(groups.back().total, RegexStates{2, 0});
      groups.back().last = RegexStates{};
    } else if (c == '*' || c == '+' || c == '?') {
      ++i;
      if (i < p.size() && p[i] == '?') ++i;
      quantify(1, c != '?');
    } else if (c == '{' && parse_counted_repeat(p, i, copies, next)) {
      const bool unbounded = p[next - 2] == ',';
      i = next;
      if (i < p.size() && p[i] == '?') ++i;
      quantify(copies, unbounded);
    } else {
      ++i;
      atom(RegexStates{1, 0});
    }
  }
  while (groups.size() > 1) close_group();
  RegexStates all = groups.back().total;
  all.states = capped_add(all.states, 4);
  return all;
}

Regex compile_regex(const std::string &pattern, bool icase) {
  refuse_huge_numbers(pattern);
  auto flags = std::regex::ECMAScript;
  if (icase) flags |= std::regex::icase;
  const RegexStates states = regex_state_estimate(pattern);
  const std::size_t need = kUnwindReserve + std::min(pattern.size(), kStateCap) * kCompileCostPerByte;
  Regex compiled;
  compiled.stack_reserve = kUnwindReserve + kChainStateCost * states.states;
  compiled.stack_base = compiled.stack_reserve + kStateCost * states.states;
  compiled.stack_per_char = states.on_cycles == 0 ? 0 : kCharCost + 2 * kStateCost * states.on_cycles;
  run_with_stack(std::min(need, kMaxHelperStack), [&] { compiled.re = std::regex(pattern, flags); });
  return compiled;
}

std::size_t regex_stack_need(const Regex &re, std::size_t text_length) {
  if (re.stack_base >= kMaxHelperStack) return kMaxHelperStack;
  const std::size_t most = kMaxHelperStack - re.stack_base;
  if (re.stack_per_char != 0 && text_length >= most / re.stack_per_char) return kMaxHelperStack;
  return re.stack_base + (text_length + 1) * re.stack_per_char;
}

bool regex_full_match(const std::string &text, const Regex &re) {
  if (re.wildcard.usable) return wildcard_full_match(text, re.wildcard);
  bool matched = false;
  guarded_match(re, text, [&](GuardedText &guarded) {
    matched = std::regex_match(guarded.begin(), guarded.end(), re.re);
  });
  return matched;
}

bool regex_search_group(const std::string &text, const Regex &re, std::size_t group, RegexSpan &span) {
  bool found = false;
  RegexSpan result;
  guarded_match(re, text, [&](GuardedText &guarded) {
    GuardedMatch match;
    found = std::regex_search(guarded.begin(), guarded.end(), match, re.re);
    if (found && group < match.size() && match[group].matched) {
      result.position = static_cast<std::ptrdiff_t>(guarded.position(match[group].first));
      result.length = match[group].second.at - match[group].first.at;
    }
  });
  if (found) span = result;
  return found;
}

bool regex_full_match_groups(const std::string &text, const Regex &re, std::vector<std::string> &groups) {
  bool matched = false;
  groups.clear();
  std::vector<std::string> found;
  guarded_match(re, text, [&](GuardedText &guarded) {
    GuardedMatch match;
    matched = std::regex_match(guarded.begin(), guarded.end(), match, re.re);
    if (!matched) return;
    for (std::size_t i = 0; i < match.size(); ++i) {
      found.push_back(match[i].matched ? std::string(match[i].first.at, match[i].second.at) : std::string());
    }
  });
  if (matched) groups = std::move(found);
  return matched;
}

// Walks the matches as std::regex_iterator does (an empty match is followed
// by a non-empty one at the same place, else the search moves on by one).
std::string regex_replace_all(const std::string &text, const Regex &re, const std::string &format) {
  std::string out;
  guarded_match(re, text, [&](GuardedText &guarded) {
    namespace rc = std::regex_constants;
    GuardedMatch match;
    auto flags = rc::match_default;
    std::size_t copied = 0;  // text before this is in `out`
    bool found = std::regex_search(guarded.begin(), guarded.end(), match, re.re, flags);
    while (found) {
      const std::size_t start = guarded.position(match[0].first);
      const std::size_t end = guarded.position(match[0].second);
      out.append(text, copied, start - copied);
      append_format(out, text, copied, match, guarded, format);
      copied = end;
      std::size_t from = end;
      if (start == end) {
        if (end == text.size()) break;
        found = std::regex_search(guarded.at(from), guarded.end(), match, re.re,
                                  flags | rc::match_not_null | rc::match_continuous);
        if (found) continue;
        ++from;
      }
      flags |= rc::match_prev_avail;
      found = std::regex_search(guarded.at(from), guarded.end(), match, re.re, flags);
    }
    out.append(text, copied, std::string::npos);
  });
  return out;
}

}  // namespace qb
