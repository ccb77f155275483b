// The module's regular-expression calls against hostile texts and patterns:
// they give what the standard library gives, never overflow the stack of the
// thread that calls them, and stop runaway backtracking with
// std::regex_error(error_complexity).
#include <pthread.h>
#include <sys/mman.h>

#include <gtest/gtest.h>

#include <cstring>
#include <functional>
#include <random>
#include <regex>
#include <string>
#include <vector>

#include "small_stack.h"
#include "toolkit/text/pattern.h"
#include "toolkit/text/regex.h"
#include "toolkit/text/text_buffer.h"
#include "tools/rename/new_name.h"
#include "tools/rename/rename_settings.h"

namespace {

using qb::Regex;
using qb::RegexSpan;

// Runs body on a thread whose stack (`bytes`, from fresh memory) is filled
// with a marker first; answers how much of it the body used, or 0 when the
// thread could not be made.
std::size_t stack_used_by(std::size_t bytes, const std::function<void()> &body) {
  void *memory = mmap(nullptr, bytes, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS | MAP_NORESERVE, -1, 0);
  if (memory == MAP_FAILED) return 0;
  auto *bottom = static_cast<unsigned char *>(memory);
  std::memset(bottom, 0xA5, bytes);
  pthread_attr_t attr;
  pthread_attr_init(&attr);
  pthread_attr_setstack(&attr, memory, bytes);
  const bool started = qbtest::run_thread(attr, body);
  std::size_t untouched = 0;
  while (started && untouched < bytes && bottom[untouched] == 0xA5) ++untouched;
  munmap(memory, bytes);
  return started ? bytes - untouched : 0;
}

// Small random patterns over a few letters: groups, alternatives, lazy and
// counted repeats, anchors, word boundaries, back-references, look-ahead.
std::string random_pattern(std::mt19937 &random) {
  static const char *const atoms[] = {"a",     "b",      "ab",       ".",     "[ab]",   "[^a]",
                                      "(a|b)", "(a*)",   "(?:ab|a)", "b?",    "(a|)",   "^",
                                      "$",     "\\b",    "(a)\\1",   "x{0,2}", "(?=a)", "(?!b)"};
  static const char *const quantifiers[] = {"", "", "", "*", "+", "?", "*?", "{1,2}", "+?"};
  std::string pattern;
  const int atom_count = 1 + static_cast<int>(random() % 4);
  for (int i = 0; i < atom_count; ++i) {
    pattern += atoms[random() % std::size(atoms)];
    pattern += quantifiers[random() % std::size(quantifiers)];
  }
  return pattern;
}

TEST(HostileRegex, GuardedMatchesGiveWhatTheStandardLibraryGives) {
  std::mt19937 random(20261207);
  int compared = 0;
  for (int round = 0; round < 3000; ++round) {
    const std::string pattern = random_pattern(random);
    std::string text;
    for (int i = static_cast<int>(random() % 8); i > 0; --i) text += "abx "[random() % 4];
    std::regex plain;
    try {
      plain = std::regex(pattern);
    } catch (const std::regex_error &) {
      EXPECT_THROW(qb::compile_regex(pattern), std::regex_error) << pattern;
      continue;
    }
    const Regex guarded = qb::compile_regex(pattern);
    ++compared;
    std::smatch m;
    const bool found = std::regex_search(text, m, plain);
    for (std::size_t group = 0; group < 3; ++group) {
      RegexSpan span;
      ASSERT_EQ(qb::regex_search_group(text, guarded, group, span), found) << pattern << " in " << text;
      if (found && group < m.size() && m[group].matched) {
        EXPECT_EQ(span.position, m.position(group)) << pattern << " in " << text;
        EXPECT_EQ(span.length, m.length(group)) << pattern << " in " << text;
      } else if (found) {
        EXPECT_EQ(span.position, -1) << pattern << " in " << text;
      }
    }
    const bool whole = std::regex_match(text, m, plain);
    std::vector<std::string> groups;
    ASSERT_EQ(qb::regex_full_match_groups(text, guarded, groups), whole) << pattern << " on " << text;
    EXPECT_EQ(qb::regex_full_match(text, guarded), whole) << pattern << " on " << text;
    if (whole) {
      ASSERT_EQ(groups.size(), m.size());
      for (std::size_t i = 0; i < m.size(); ++i) EXPECT_EQ(groups[i], m[i].str()) << pattern << " on " << text;
    }
    for (const char *format : {"[$&]", "<$`|$'>", "$1$$$2$", "-", "$9x$"}) {
      EXPECT_EQ(qb::regex_replace_all(text, guarded, format), std::regex_replace(text, plain, format))
          << pattern << " on " << text << " with " << format;
    }
  }
  EXPECT_GT(compared, 1500);
}

// The stack a match is given covers what it uses, for the module's own
// patterns and for patterns a user may type (nested and counted repeats).
TEST(HostileRegex, StackEstimateCoversWhatTheMatcherUses) {
  struct Case {
    const char *pattern;
    char fill;
    bool icase;
  };
  const Case cases[] = {
      {".*", 'a', true},                     // the wildcard *
      {"a.*b.*", 'a', true},                 // the wildcard a*b*
      {"^(.*[^\\\\/]+)[\\\\/]*$", 'p', false},  // trailing separators
      {"([^ ]+) \\(([0-9]+)\\)", 'n', false},
      {"((a|b)*)", 'b', false},
      {"(((b)))*", 'b', false},
      {"((((b)?)?)?)*", 'b', false},
      {"(b*?)*", 'b', false},
      {"(?:b|bb|x)*", 'b', false},
      {"(b{2,})*", 'b', false},
      {"((a?){5}b)*", 'b', false},
      {"(b?){40}b*", 'b', false},
      {"bbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbb", 'b', false},
  };
  for (const Case &c : cases) {
    const Regex re = qb::compile_regex(c.pattern, c.icase);
    for (std::size_t length : {std::size_t(0), std::size_t(100), std::size_t(1000)}) {
      const std::string text(length, c.fill);
      const std::size_t need = qb::regex_stack_need(re, length);
      // Enough stack that the match runs on this thread, not on a helper.
      const std::size_t used = stack_used_by(need + (4u << 20), [&] {
        RegexSpan span;
        try {
          qb::regex_full_match(text, re);
          qb::regex_search_group(text, re, 0, span);
        } catch (const std::regex_error &) {
          // Too much backtracking for some lengths; the stack it took counts.
        }
      });
      ASSERT_NE(used, 0u);
      EXPECT_LE(used, need + (256u << 10)) << c.pattern << " on " << length << " bytes";
    }
  }
}

// When the estimate is wrong, the guard still stops the match before the
// stack runs out: a match told it needs almost no stack per character is
// given about 512 KiB for a text that needs two hundred times that.
TEST(HostileRegex, StackGuardStopsAMatchWhoseEstimateIsTooLow) {
  Regex re = qb::compile_regex(".*x");
  re.stack_per_char = 1;
  re.stack_base = re.stack_reserve;
  const std::string text(200000, 'a');
  bool stopped = false;
  qbtest::on_stack_of(512 * 1024, [&] { stopped = qbtest::too_complex([&] { qb::regex_full_match(text, re); }); });
  EXPECT_TRUE(stopped);
  // With its own estimate the same match is answered.
  EXPECT_FALSE(qb::regex_full_match(text, qb::compile_regex(".*x")));
}

// "(a+)+$" in the rename tool wraps to "((a+)+$)": against a run of a's and
// one other byte the standard library's backtracking doubles with every a
// (twenty a's took about a second, thirty a quarter of an hour).  Short runs
// are answered exactly; longer ones stop at the step limit.
TEST(HostileRegex, CatastrophicBacktrackingStopsAtTheStepLimit) {
  const Regex pattern = qb::rename::compile_rename_pattern(qb::TextBuffer("(a+)+$"));
  RegexSpan span;
  EXPECT_FALSE(qb::regex_search_group(std::string(12, 'a') + "!", pattern, 1, span));
  ASSERT_TRUE(qb::regex_search_group("bbaaaa", pattern, 1, span));
  EXPECT_EQ(span.position, 2);
  EXPECT_EQ(span.length, 4);
  EXPECT_TRUE(qbtest::too_complex([&] { qb::regex_search_group(std::string(30, 'a') + "!", pattern, 1, span); }));

  qb::rename::RenameSettings settings;
  settings.mode = qb::rename::Mode::kRegex;
  settings.pattern_text = qb::TextBuffer("(a+)+$");
  settings.pattern_replace_text = qb::TextBuffer("x");
  EXPECT_EQ(qb::rename::compute_new_name(settings, "caaa"), "cx");
  EXPECT_TRUE(qbtest::too_complex([&] { qb::rename::compute_new_name(settings, std::string(30, 'a') + "!"); }));
  // Many stars against a long name that does not match: polynomial, but of
  // high degree; the engine is stopped the same way instead of running for
  // hours, and a wildcard, which never reaches the engine, is answered.
  const std::string name = std::string(126, 'a') + "c";
  const std::string stars = "*a*a*a*a*a*a*a*a*b";
  EXPECT_TRUE(qbtest::too_complex([&] { qb::regex_full_match(name, qb::compile_regex(qb::wildcard_to_regex_text(stars), true)); }));
  EXPECT_FALSE(qb::regex_full_match(name, qb::wildcard_to_regex(stars)));
}

// Texts of any length: a match whose stack would pass the helper threads'
// limit is refused, never crashes.
TEST(HostileRegex, LongTextsAreMatchedOrRefusedOnASmallStack) {
  const std::string name(65536, 'a');
  bool star = false, tail = true, literal = false, nested = false;
  qbtest::on_stack_of(1 << 20, [&] {
    star = qb::regex_full_match(name, qb::wildcard_to_regex("*"));
    tail = qb::regex_full_match(name, qb::wildcard_to_regex("A*b"));
    literal = qb::regex_full_match(name, qb::wildcard_to_regex(name));
    nested = qbtest::too_complex([&] { qb::regex_full_match(name, qb::compile_regex("((b?){100}a)*")); });
  });
  EXPECT_TRUE(star);
  EXPECT_FALSE(tail);
  EXPECT_TRUE(literal);
  EXPECT_TRUE(nested);
}

// The pattern itself: the compiler recurses per term and per group, so a
// long wildcard word or deeply nested groups compile on a small stack, and a
// pattern past the library's size limit is refused with error_space.
TEST(HostileRegex, LongAndDeepPatternsCompileOrAreRefused) {
  std::string deep;
  for (int i = 0; i < 250; ++i) deep += '(';
  deep += 'a';
  for (int i = 0; i < 250; ++i) deep += ')';
  bool long_word = false, nested = false, huge_refused = false;
  qbtest::on_stack_of(1 << 20, [&] {
    long_word = qb::regex_full_match(std::string(60000, 'q'), qb::wildcard_to_regex(std::string(60000, 'Q')));
    nested = qb::regex_full_match("a", qb::compile_regex(deep));
    try {
      qb::wildcard_to_regex(std::string(300000, 'q'));
    } catch (const std::regex_error &error) {
      huge_refused = error.code() == std::regex_constants::error_space;
    }
  });
  EXPECT_TRUE(long_word);
  EXPECT_TRUE(nested);
  EXPECT_TRUE(huge_refused);
}

// Every byte value in names and patterns: bytes are bytes, nothing is
// decoded, and none of them upsets the matcher.  The wildcards' * and ? stand
// for "." of the ECMAScript grammar, which takes every byte but the line
// breaks.
TEST(HostileRegex, EveryByteValue) {
  std::string all;
  for (int c = 0; c < 256; ++c) all += static_cast<char>(c);
  std::string one_line;
  for (char c : all)
    if (c != '\n' && c != '\r') one_line += c;
  EXPECT_TRUE(qb::regex_full_match(one_line, qb::wildcard_to_regex("*")));
  EXPECT_FALSE(qb::regex_full_match(all, qb::wildcard_to_regex("*")));
  // Every byte but the wildcard's own two and the braces (which keep their
  // regular-expression meaning) stands for itself.
  std::string literal;
  for (char c : all)
    if (c != '*' && c != '?' && c != '{' && c != '}') literal += c;
  EXPECT_TRUE(qb::regex_full_match(literal, qb::wildcard_to_regex(literal)));
  EXPECT_FALSE(qb::regex_full_match(literal + "x", qb::wildcard_to_regex(literal)));
  for (int c = 0; c < 256; ++c) {
    const std::string one(1, static_cast<char>(c));
    EXPECT_EQ(qb::regex_full_match(one, qb::wildcard_to_regex("?")), c != '\n' && c != '\r') << c;
    EXPECT_EQ(qb::rename::working_name(one + " (2)"), c == ' ' ? one + " (2)" : one) << c;
  }
}

}  // namespace
