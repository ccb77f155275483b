// The module's regular-expression calls against hostile texts and patterns:
// they give what the standard library gives, never overflow the stack of the
// thread that calls them, and stop runaway backtracking with
// std::regex_error(error_complexity).
#include <gtest/gtest.h>

#include <filesystem>
#include <random>
#include <regex>
#include <string>

#include "tests/unit/support/small_stack.h"
#include "toolkit/text/code_page.h"
#include "toolkit/text/pattern.h"
#include "toolkit/text/regex.h"
#include "toolkit/text/text_buffer.h"
#include "tools/rename/new_name.h"
#include "tools/rename/rename_settings.h"

namespace {

using qb::Regex;
using qb::RegexSpan;

// Small random patterns over a few letters: groups, alternatives, lazy and
// counted repeats, anchors, word boundaries, back-references, look-ahead.
std::string random_pattern(std::mt19937 &random) {
  static const char *const atoms[] = {"a",     "b",    "ab",       ".",      "[ab]",  "[^a]",
                                      "(a|b)", "(a*)", "(?:ab|a)", "b?",     "(a|)",  "^",
                                      "$",     "\\b",  "(a)\\1",   "x{0,2}", "(?=a)", "(?!b)"};
  static const char *const quantifiers[] = {"", "", "", "*", "+", "?", "*?", "{1,2}", "+?"};
  std::string pattern;
  const int atom_count = 1 + static_cast<int>(random() % 4);
  for (int i = 0; i < atom_count; ++i) {
    pattern += atoms[random() % std::size(atoms)];
    pattern += quantifiers[random() % std::size(quantifiers)];
  }
  return pattern;
}

// On an English host and, for texts without double-byte characters, on a
// Japanese one (which reads texts through the wide engine).
TEST(HostileRegex, GuardedMatchesGiveWhatTheStandardLibraryGives) {
  std::mt19937 random(20261207);
  int compared = 0;
  for (int round = 0; round < 3000; ++round) {
    const std::string pattern = random_pattern(random);
    std::string text;
    for (int i = static_cast<int>(random() % 8); i > 0; --i) text += "abxA \xb1"[random() % 6];
    const bool icase = round % 3 == 0;
    std::regex plain;
    try {
      plain =
          std::regex(pattern, icase ? std::regex::ECMAScript | std::regex::icase : std::regex::ECMAScript);
    } catch (const std::regex_error &) {
      EXPECT_THROW(qb::compile_regex(pattern, icase), std::regex_error) << pattern;
      continue;
    }
    ++compared;
    std::smatch m;
    const bool found = std::regex_search(text, m, plain);
    for (qb::CodePage code_page : {qb::CodePage::SingleByte, qb::CodePage::ShiftJis}) {
      qb::set_host_code_page(code_page);
      const Regex guarded = qb::compile_regex(pattern, icase);
      qb::set_host_code_page(qb::CodePage::SingleByte);
      for (std::size_t group = 0; group < 3; ++group) {
        RegexSpan span;
        ASSERT_EQ(qb::regex_search_group(text, guarded, group, span), found) << pattern << " in " << text;
        const bool took_part = found && group < m.size() && m[group].matched;
        EXPECT_EQ(span.position, took_part ? m.position(group)
                                 : found   ? -1
                                           : span.position)
            << pattern << " in " << text;
        EXPECT_EQ(span.length, took_part ? m.length(group) : span.length) << pattern << " in " << text;
      }
      EXPECT_EQ(qb::regex_full_match(text, guarded), std::regex_match(text, plain))
          << pattern << " on " << text;
    }
  }
  EXPECT_GT(compared, 1500);
}

// A match deeper than the caller's thread is trusted with runs again on a
// helper thread and is answered; one deeper than the helper allows is
// stopped, never crashes.
TEST(HostileRegex, DeepMatchesMoveToAHelperThreadOrStop) {
  const std::string text(5000, 'a');
  bool shallow = false, deep = true, deeper = true, stopped = false;
  qbtest::on_stack_of(512 * 1024, [&] {
    shallow = qb::regex_full_match("ab.lwo", qb::compile_regex(R"(.*\.lwo)", true));
    deep = qb::regex_full_match(text, qb::compile_regex(".*x"));
    RegexSpan span;
    deeper = qb::regex_search_group(text + "x", qb::compile_regex("(a.*x)"), 1, span) && span.position == 0 &&
             span.length == 5001;
    stopped = qbtest::too_complex(
        [&] { qb::regex_full_match(std::string(400000, 'a'), qb::compile_regex(".*x")); });
  });
  EXPECT_TRUE(shallow);
  EXPECT_FALSE(deep);
  EXPECT_TRUE(deeper);
  EXPECT_TRUE(stopped);
}

std::size_t threads_of_this_process() {
  std::size_t n = 0;
  for (const auto &entry : std::filesystem::directory_iterator("/proc/self/task"))
    n += entry.exists() ? 1 : 0;
  return n;
}

// Counted repeats and patterns of a hundred bytes compile and match on the
// caller's thread; only what needs a deep stack goes to a helper, one per
// compiled expression however many matches need it, ended with it.
TEST(HostileRegex, DeepMatchesShareOneHelperThread) {
  EXPECT_TRUE(qb::compile_regex("(_[Ll]{1}_)").shallow);
  EXPECT_TRUE(qb::compile_regex("(_[Ll]_(?!" + std::string(90, 'Q') + "))").shallow);
  EXPECT_TRUE(qb::compile_regex("Arm_L{1}_.*", true).shallow);
  EXPECT_FALSE(qb::compile_regex("(){2000}").shallow);
  EXPECT_FALSE(qb::compile_regex("a{1,5000}").shallow);
  EXPECT_FALSE(qb::compile_regex(std::string(20000, 'a')).shallow);
  const std::size_t before = threads_of_this_process();
  {
    const Regex re = qb::compile_regex(".*x");
    EXPECT_EQ(threads_of_this_process(), before);
    for (int i = 0; i < 20; ++i) EXPECT_FALSE(qb::regex_full_match(std::string(5000, 'a'), re));
    EXPECT_EQ(threads_of_this_process(), before + 1);
    const Regex copy = re;
    EXPECT_TRUE(qb::regex_full_match(std::string(5000, 'a') + "x", copy));
    EXPECT_EQ(threads_of_this_process(), before + 1);
  }
  EXPECT_EQ(threads_of_this_process(), before);
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
  EXPECT_TRUE(
      qbtest::too_complex([&] { qb::regex_search_group(std::string(30, 'a') + "!", pattern, 1, span); }));

  qb::rename::RenameSettings settings;
  settings.mode = qb::rename::Mode::kRegex;
  settings.pattern_text = qb::TextBuffer("(a+)+$");
  settings.pattern_replace_text = qb::TextBuffer("x");
  EXPECT_EQ(qb::rename::compute_new_name(settings, "caaa"), "cx");
  EXPECT_TRUE(
      qbtest::too_complex([&] { qb::rename::compute_new_name(settings, std::string(30, 'a') + "!"); }));
  // Many stars against a long name that does not match: polynomial, but of
  // high degree; the engine is stopped the same way instead of running for
  // hours, and a wildcard, which never reaches the engine, is answered.
  const std::string name = std::string(126, 'a') + "c";
  const std::string stars = "*a*a*a*a*a*a*a*a*b";
  EXPECT_TRUE(qbtest::too_complex(
      [&] { qb::regex_full_match(name, qb::compile_regex(qb::wildcard_to_regex_text(stars), true)); }));
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
// long word or deeply nested groups compile on a small stack, and a pattern
// past the library's size limit is refused with error_space.  A wildcard
// without braces never reaches the engine, whatever its length.
TEST(HostileRegex, LongAndDeepPatternsCompileOrAreRefused) {
  std::string deep;
  for (int i = 0; i < 250; ++i) deep += '(';
  deep += 'a';
  for (int i = 0; i < 250; ++i) deep += ')';
  bool long_word = false, nested = false, huge_refused = false, huge_wildcard = false;
  qbtest::on_stack_of(1 << 20, [&] {
    // Within the helper's depth under AddressSanitizer too, whose frames are about five times larger.
    long_word = qb::regex_full_match(std::string(12000, 'q'), qb::compile_regex(std::string(12000, 'q')));
    nested = qb::regex_full_match("a", qb::compile_regex(deep));
    try {
      qb::wildcard_to_regex(std::string(300000, 'q') + "{1}");
    } catch (const std::regex_error &error) {
      huge_refused = error.code() == std::regex_constants::error_space;
    }
    huge_wildcard =
        qb::regex_full_match(std::string(300000, 'Q'), qb::wildcard_to_regex(std::string(300000, 'q')));
  });
  EXPECT_TRUE(long_word);
  EXPECT_TRUE(nested);
  EXPECT_TRUE(huge_refused);
  EXPECT_TRUE(huge_wildcard);
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
