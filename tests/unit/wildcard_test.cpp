#include <gtest/gtest.h>

#include <regex>
#include <string>

#include "toolkit/pattern.h"
#include "toolkit/regex.h"

namespace {

bool matches(const std::string &pattern, const std::string &name) {
  return qb::regex_full_match(name, qb::wildcard_to_regex(pattern));
}

TEST(Wildcard, StarMatchesAnyRunIncludingNone) {
  EXPECT_TRUE(matches("*", ""));
  EXPECT_TRUE(matches("*", "anything at all"));
  EXPECT_TRUE(matches("Cube*", "Cube"));
  EXPECT_TRUE(matches("Cube*", "Cube.001"));
  EXPECT_FALSE(matches("Cube*", "MyCube"));
  EXPECT_TRUE(matches("*arm*", "LeftArmUpper"));
}

TEST(Wildcard, QuestionMarkMatchesExactlyOneCharacter) {
  EXPECT_TRUE(matches("Light?", "Light1"));
  EXPECT_FALSE(matches("Light?", "Light"));
  EXPECT_FALSE(matches("Light?", "Light12"));
}

TEST(Wildcard, DotAndOtherSpecialsAreLiteral) {
  EXPECT_TRUE(matches("a.b", "a.b"));
  EXPECT_FALSE(matches("a.b", "axb"));
  EXPECT_TRUE(matches("(x)+[y]|$^", "(x)+[y]|$^"));
  EXPECT_TRUE(matches("a/b\\c", "a/b\\c"));
}

TEST(Wildcard, WholeNameOnlyAndCaseIgnored) {
  EXPECT_TRUE(matches("box", "box"));
  EXPECT_TRUE(matches("box", "Box"));
  EXPECT_TRUE(matches("BOX", "box"));
  EXPECT_FALSE(matches("box", "box1"));
}

TEST(Wildcard, BracesKeepTheirRegexMeaning) {
  EXPECT_TRUE(matches("a{2}", "aa"));
  EXPECT_FALSE(matches("a{2}", "a{2}"));
  EXPECT_TRUE(matches("x{1,3}", "xxx"));
}

TEST(Wildcard, InvalidPatternRaisesRegexError) {
  EXPECT_THROW(qb::wildcard_to_regex("a{"), std::regex_error);
  EXPECT_THROW(qb::wildcard_to_regex("a{2"), std::regex_error);
}

TEST(Wildcard, RegexTextEscapesThenExpands) {
  EXPECT_EQ(qb::wildcard_to_regex_text("a.b*c?"), "a\\.b.*c.");
  EXPECT_EQ(qb::wildcard_to_regex_text("a{2}-x"), "a{2}-x");
}

TEST(RegexHelpers, GroupsAndSearch) {
  std::vector<std::string> groups;
  ASSERT_TRUE(qb::regex_full_match_groups("ab12", qb::compile_regex("([a-z]+)([0-9]+)(x)?"), groups));
  EXPECT_EQ(groups, (std::vector<std::string>{"ab12", "ab", "12", ""}));
  EXPECT_FALSE(qb::regex_full_match_groups("ab12!", qb::compile_regex("([a-z]+)([0-9]+)"), groups));

  qb::RegexSpan span;
  ASSERT_TRUE(qb::regex_search_group("xxLeftArm", qb::compile_regex("(Left)Arm"), 1, span));
  EXPECT_EQ(span.position, 2);
  EXPECT_EQ(span.length, 4);
  EXPECT_FALSE(qb::regex_search_group("Right", qb::compile_regex("Left"), 0, span));

  EXPECT_EQ(qb::regex_replace_all("a1b22", qb::compile_regex("[0-9]+"), "#"), "a#b#");
  EXPECT_TRUE(qb::regex_full_match("ABC", qb::compile_regex("abc", true)));
  EXPECT_FALSE(qb::regex_full_match("ABC", qb::compile_regex("abc")));
}

}  // namespace
