#include <gtest/gtest.h>

#include "plugin/frame.h"

namespace {

using qb::Words;

// Only the space separates; a quote opens a word only at its start, two
// quotes make an empty word, and an unclosed quote drops every word.
TEST(SplitArguments, WordsQuotesAndBlanks) {
  struct Case {
    const char *text;
    Words words;
  };
  const Case cases[] = {
      {nullptr, {}},
      {"", {}},
      {"    ", {}},
      {"  x  ", {"x"}},
      {"Cube* Light?  Camera", {"Cube*", "Light?", "Camera"}},
      {"a \"b c\" d", {"a", "b c", "d"}},
      {"\"\"", {""}},
      {"a \"\" b", {"a", "", "b"}},
      {"\"a b\"c", {"a b", "c"}},
      {"ab\"cd x", {"ab\"cd", "x"}},
      {"a b \"c d", {}},
      {"\"", {}},
      {"a\tb c", {"a\tb", "c"}},
      {"\tx", {"\tx"}},
  };
  for (const Case &c : cases) EXPECT_EQ(qb::split_arguments(c.text), c.words) << (c.text ? c.text : "(null)");
}

}  // namespace
