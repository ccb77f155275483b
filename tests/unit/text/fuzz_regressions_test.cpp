// Inputs the fuzzers (fuzz/) and their follow-up probes turned up, kept as
// plain unit tests so that the faults stay fixed.
#include <gtest/gtest.h>

#include <functional>
#include <regex>
#include <string>

#include "tests/unit/support/small_stack.h"
#include "toolkit/text/code_page.h"
#include "toolkit/text/pattern.h"
#include "toolkit/text/regex.h"
#include "toolkit/text/text_buffer.h"
#include "tools/rename/new_name.h"

namespace {

// The standard library's matcher recurses once per character; a name of a
// hundred thousand bytes overflowed the stack of a whole-name match (a crash,
// found probing past the fuzzers' input length).
TEST(FuzzRegressions, LongNamesAreMatchedWithoutRunningOutOfStack) {
  const std::string name(100000, 'a');
  EXPECT_TRUE(qb::regex_full_match(name, qb::wildcard_to_regex("*")));
  EXPECT_TRUE(qb::regex_full_match(name, qb::wildcard_to_regex("A*")));
  EXPECT_FALSE(qb::regex_full_match(name, qb::wildcard_to_regex("*b")));
  EXPECT_EQ(qb::rename::working_name(name), name);
  EXPECT_EQ(qb::rename::working_name(name + " (2)"), name);
  EXPECT_TRUE(qb::TextBuffer("objects/" + name + ".lwo").is_lwo_path(qb::PathStyle::Posix));
}

TEST(FuzzRegressions, LongNamesAreMatchedOnASmallStack) {
  const std::string name(100000, 'x');
  bool matched = false;
  std::string working;
  ASSERT_TRUE(qbtest::on_stack_of(512 * 1024, [&] {
    matched = qb::regex_full_match(name, qb::wildcard_to_regex("x*x"));
    working = qb::rename::working_name(name);
  }));
  EXPECT_TRUE(matched);
  EXPECT_EQ(working, name);
}

// Longer still: wildcards are answered on names of any length; the engine's
// own patterns may refuse a match as too complex, but never crash.
TEST(FuzzRegressions, VeryLongNamesAreAnsweredOrRefused) {
  const std::string name(400000, 'a');
  EXPECT_TRUE(qb::regex_full_match(name, qb::wildcard_to_regex("*a")));
  EXPECT_FALSE(qb::regex_full_match(name, qb::wildcard_to_regex("*b*")));
  try {
    EXPECT_EQ(qb::rename::working_name(name + " (2)"), name);
  } catch (const std::regex_error &error) {
    EXPECT_EQ(error.code(), std::regex_constants::error_complexity);
  }
}

// A pattern with a run of stars, or several stars, against a long name that
// does not match: the backtracking matcher takes about n^k steps for k stars
// (the fuzzer's case, "StatusEsg **...***...*" against itself, ran for
// hours).  Wildcards without braces never reach that matcher.
TEST(FuzzRegressions, ManyStarsAgainstALongNameAnswerAtOnce) {
  const std::string name = std::string(126, 'a') + "c";
  EXPECT_FALSE(qb::regex_full_match(name, qb::wildcard_to_regex("a********b")));
  EXPECT_TRUE(qb::regex_full_match(name, qb::wildcard_to_regex("a********c")));
  EXPECT_FALSE(qb::regex_full_match(name, qb::wildcard_to_regex("*a*a*a*a*a*a*a*a*b")));
  // Line breaks spelled out in the pattern too (the fuzzer's case: a name
  // pasted with its line break and forty stars).
  EXPECT_FALSE(qb::regex_full_match("x\n" + name, qb::wildcard_to_regex("*\n*a*a*a*a*a*a*a*a*b")));
  EXPECT_TRUE(qb::regex_full_match("x\n" + name, qb::wildcard_to_regex("*\n*a*a*a*a*a*a*a*a*c")));
}

// The library reads the numbers of counted repeats and back-references into
// a long without checking for overflow (the fuzzer's case: a wildcard
// "x{1,3777...}" of 120 digits).  Numbers of ten digits or more are refused
// before the library sees them; everything shorter is the library's to judge.
TEST(FuzzRegressions, HugeCountsAndGroupNumbersAreRefused) {
  const std::string huge(120, '7');
  auto code_of = [](const std::function<void()> &compile) {
    try {
      compile();
    } catch (const std::regex_error &error) {
      return error.code();
    }
    return std::regex_constants::error_type{};
  };
  EXPECT_EQ(code_of([&] { qb::wildcard_to_regex("5,x{1," + huge + "}{3,3:1"); }),
            std::regex_constants::error_badbrace);
  EXPECT_EQ(code_of([&] { qb::wildcard_to_regex("x{" + huge + "}"); }), std::regex_constants::error_badbrace);
  EXPECT_EQ(code_of([&] { qb::compile_regex("(a)\\" + huge); }), std::regex_constants::error_backref);
  EXPECT_EQ(code_of([&] { qb::compile_regex("a{1,1234567890}"); }), std::regex_constants::error_badbrace);
  // Digits that are no count or group number stay literal.
  EXPECT_TRUE(qb::regex_full_match("\\" + huge, qb::compile_regex("\\\\" + huge)));
  EXPECT_TRUE(qb::regex_full_match("{" + huge + "}", qb::compile_regex("[{]" + huge + "[}]")));
  EXPECT_TRUE(qb::regex_full_match("aa", qb::wildcard_to_regex("a{2}")));
  EXPECT_EQ(code_of([] { qb::compile_regex("a{1,123456789}"); }), std::regex_constants::error_space);
  // On a Japanese host the scan steps over an escaped double-byte character whole, also when its second
  // byte is itself a lead byte (ぁ is 0x82 0x9F), and still finds the huge group number after it.
  qb::set_host_code_page(qb::CodePage::ShiftJis);
  EXPECT_EQ(code_of([] { qb::compile_regex("(a)\\\x82\x9f\\18446744073709551617"); }),
            std::regex_constants::error_backref);
  EXPECT_EQ(code_of([] { qb::compile_regex("a\\\x82\x9f{1,18446744073709551617}"); }),
            std::regex_constants::error_badbrace);
  EXPECT_TRUE(qb::regex_full_match("\x82\x9f\x82\x9f", qb::compile_regex("\\\x82\x9f{2}")));
  qb::set_host_code_page(qb::CodePage::SingleByte);
}

}  // namespace
