// Inputs the fuzzers (fuzz/) and their follow-up probes turned up, kept as
// plain unit tests so that the faults stay fixed.
#include <pthread.h>

#include <gtest/gtest.h>

#include <functional>
#include <regex>
#include <string>

#include "toolkit/pattern.h"
#include "toolkit/regex.h"
#include "toolkit/text_buffer.h"
#include "tools/rename/new_name.h"

namespace {

// Runs `body` on a thread with a small stack, as the host's interface thread
// may have; false when the thread cannot be made.
bool on_small_stack(std::size_t bytes, const std::function<void()> &body) {
  pthread_attr_t attr;
  pthread_attr_init(&attr);
  pthread_attr_setstacksize(&attr, bytes);
  pthread_t thread;
  auto run = [](void *arg) -> void * {
    (*static_cast<const std::function<void()> *>(arg))();
    return nullptr;
  };
  const bool started = pthread_create(&thread, &attr, run, const_cast<std::function<void()> *>(&body)) == 0;
  pthread_attr_destroy(&attr);
  if (started) pthread_join(thread, nullptr);
  return started;
}

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
  ASSERT_TRUE(on_small_stack(512 * 1024, [&] {
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
