// Inputs the fuzzers (fuzz/) and their follow-up probes turned up, kept as
// plain unit tests so that the faults stay fixed.
#include <gtest/gtest.h>

#include <functional>
#include <regex>
#include <string>

#include "toolkit/pattern.h"
#include "toolkit/regex.h"
#include "toolkit/text_buffer.h"
#include "tools/rename/new_name.h"
#include "small_stack.h"

namespace {

// The standard library's matcher recurses once per character; a name of a
// hundred thousand bytes overflowed the stack of a whole-name match (a crash,
// found probing past the fuzzers' input length).
TEST(FuzzRegressions, LongNamesAreMatchedWithoutRunningOutOfStack) {
  const std::string name(100000, 'a');
  EXPECT_TRUE(qb::regex_full_match(name, qb::wildcard_to_regex("*")));
  EXPECT_TRUE(qb::regex_full_match(name, qb::wildcard_to_regex("A*")));
  EXPECT_FALSE(qb::regex_full_match(name, qb::wildcard_to_regex("*b")));
  EXPECT_EQ(qb::working_name(name), name);
  EXPECT_EQ(qb::working_name(name + " (2)"), name);
  EXPECT_TRUE(qb::TextBuffer("objects/" + name + ".lwo").is_lwo_path(qb::PathStyle::Posix));
}

TEST(FuzzRegressions, LongNamesAreMatchedOnASmallStack) {
  const std::string name(100000, 'x');
  bool matched = false;
  std::string working;
  ASSERT_TRUE(qbtest::on_stack_of(512 * 1024, [&] {
    matched = qb::regex_full_match(name, qb::wildcard_to_regex("x*x"));
    working = qb::working_name(name);
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
    EXPECT_EQ(qb::working_name(name + " (2)"), name);
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
}

}  // namespace
