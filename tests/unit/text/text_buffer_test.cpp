#include <gtest/gtest.h>

#include <string>

#include "toolkit/text/text_buffer.h"

namespace {

using qb::TextBuffer;

void expect_unallocated(const TextBuffer &b) {
  EXPECT_EQ(b.bytes, nullptr);
  EXPECT_EQ(b.length, 0);
  EXPECT_EQ(b.capacity, 0u);
  EXPECT_STREQ(b.c_str(), "");
  EXPECT_EQ(b.str(), "");
}

TEST(TextBuffer, FreshAndClearedBuffersHoldNoArray) {
  expect_unallocated(TextBuffer());
  TextBuffer b("text");
  b.clear();
  expect_unallocated(b);
}

TEST(TextBuffer, AssignCopiesKeepsTheArrayForEmptyTextsAndReadsItsOwnBytes) {
  TextBuffer b("Hello");
  EXPECT_EQ(b.length, 5);
  EXPECT_GE(b.capacity, 6u);
  EXPECT_EQ(b.str(), "Hello");
  char *array = b.bytes;
  b.assign("");
  EXPECT_EQ(b.bytes, array);
  EXPECT_EQ(b.length, 0);
  EXPECT_STREQ(b.c_str(), "");
  b.assign(static_cast<const char *>(nullptr));
  EXPECT_EQ(b.bytes, array);
  b.assign("Hi");  // fits: no new array
  EXPECT_EQ(b.bytes, array);
  EXPECT_EQ(b.str(), "Hi");
  b.assign("A longer text than before");
  EXPECT_EQ(b.str(), "A longer text than before");
  EXPECT_EQ(b.length, 25);
  b.assign(b.bytes);
  EXPECT_EQ(b.str(), "A longer text than before");
  b.assign(b.bytes + 2);  // an overlapping tail
  EXPECT_EQ(b.str(), "longer text than before");
  EXPECT_EQ(b.length, 23);
}

TEST(TextBuffer, ReserveGrowsOnlyWhenNeeded) {
  TextBuffer b;
  b.reserve(10);
  EXPECT_EQ(b.capacity, 11u);
  EXPECT_EQ(b.length, 10);
  EXPECT_EQ(b.bytes[10], '\0');
  char *array = b.bytes;
  b.reserve(10);
  EXPECT_EQ(b.bytes, array);
  b.reserve(4);
  EXPECT_EQ(b.bytes, array);
  EXPECT_EQ(b.capacity, 11u);
}

TEST(TextBuffer, ReplaceFirst) {
  TextBuffer arm("LeftArm");
  EXPECT_EQ(arm.replace_first("Left", "Right").str(), "RightArm");
  EXPECT_EQ(arm.replace_first("Leg", "Right").str(), "LeftArm");
  EXPECT_EQ(arm.replace_first("Arm", "").str(), "Left");
  EXPECT_EQ(TextBuffer("Arm").replace_first("", "Pre").str(), "PreArm");
  EXPECT_EQ(TextBuffer("aXaX").replace_first("X", "Y").str(), "aYaX");
  EXPECT_EQ(TextBuffer("").replace_first("", "Pre").str(), "");
  EXPECT_EQ(TextBuffer().replace_first("", "Pre").str(), "");
  EXPECT_EQ(TextBuffer("ab").replace_first("abc", "x").str(), "ab");
  EXPECT_EQ(arm.str(), "LeftArm");  // the source is untouched
}

TEST(TextBuffer, CopiesAreDeepAndMovesTransfer) {
  TextBuffer a("one");
  TextBuffer b(a);
  EXPECT_NE(a.bytes, b.bytes);
  b.assign("two");
  EXPECT_EQ(a.str(), "one");
  a = b;
  EXPECT_EQ(a.str(), "two");
  EXPECT_NE(a.bytes, b.bytes);
  a = TextBuffer();
  EXPECT_EQ(a.bytes, nullptr);
  TextBuffer c(std::move(b));
  EXPECT_EQ(c.str(), "two");
  EXPECT_EQ(b.bytes, nullptr);
  a = std::move(c);
  EXPECT_EQ(a.str(), "two");
}

}  // namespace
