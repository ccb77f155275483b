#include <gtest/gtest.h>

#include "plugin/frame.h"

namespace {

using qb::split_arguments;
using qb::Words;

TEST(SplitArguments, NullAndBlankTextsGiveNoWords) {
  EXPECT_TRUE(split_arguments(nullptr).empty());
  EXPECT_TRUE(split_arguments("").empty());
  EXPECT_TRUE(split_arguments("    ").empty());
}

TEST(SplitArguments, BlanksSeparateWords) {
  EXPECT_EQ(split_arguments("  x  "), Words{"x"});
  EXPECT_EQ(split_arguments("Cube* Light?  Camera"), (Words{"Cube*", "Light?", "Camera"}));
}

TEST(SplitArguments, QuotedWordKeepsItsBlanks) {
  EXPECT_EQ(split_arguments("a \"b c\" d"), (Words{"a", "b c", "d"}));
}

TEST(SplitArguments, TwoQuotesGiveOneEmptyWord) {
  EXPECT_EQ(split_arguments("\"\""), Words{""});
  EXPECT_EQ(split_arguments("a \"\" b"), (Words{"a", "", "b"}));
}

TEST(SplitArguments, WordContinuesDirectlyAfterClosingQuote) {
  EXPECT_EQ(split_arguments("\"a b\"c"), (Words{"a b", "c"}));
}

TEST(SplitArguments, QuoteInsideAWordIsAnOrdinaryCharacter) {
  EXPECT_EQ(split_arguments("ab\"cd x"), (Words{"ab\"cd", "x"}));
}

TEST(SplitArguments, UnclosedQuoteDropsEveryWord) {
  EXPECT_TRUE(split_arguments("a b \"c d").empty());
  EXPECT_TRUE(split_arguments("\"").empty());
}

TEST(SplitArguments, OnlyTheSpaceSeparates) {
  EXPECT_EQ(split_arguments("a\tb c"), (Words{"a\tb", "c"}));
  EXPECT_EQ(split_arguments("\tx"), Words{"\tx"});
}

}  // namespace
