#include <gtest/gtest.h>

#include <random>
#include <regex>
#include <string>

#include "toolkit/text/pattern.h"
#include "toolkit/text/regex.h"

namespace {

bool matches(const std::string &pattern, const std::string &name) {
  return qb::regex_full_match(name, qb::wildcard_to_regex(pattern));
}

// Stars take any run (none too), a question mark one character, every other
// character but the braces stands for itself, the whole name must match,
// letter case is ignored (bytes above 127 have none), and line breaks match
// only where the pattern spells them out.  An unclosed brace does not compile.
TEST(Wildcard, MatchesWholeNamesAsWritten) {
  struct Case {
    const char *pattern, *name;
    bool matches;
  };
  // clang-format off
  constexpr Case kCases[] = {
      {"*", "", true},              {"*", "anything at all", true}, {"Cube*", "Cube", true},
      {"Cube*", "Cube.001", true},  {"Cube*", "MyCube", false},     {"*arm*", "LeftArmUpper", true},
      {"Light?", "Light1", true},   {"Light?", "Light", false},     {"Light?", "Light12", false},
      {"a.b", "a.b", true},         {"a.b", "axb", false},          {"(x)+[y]|$^", "(x)+[y]|$^", true},
      {"a/b\\c", "a/b\\c", true},   {"box", "Box", true},           {"BOX", "box", true},
      {"box", "box1", false},       {"a{2}", "aa", true},           {"a{2}", "a{2}", false},
      {"x{1,3}", "xxx", true},      {"*", "a\nb", false},           {"a?b", "a\rb", false},
      {"a\n*", "a\nbc", true},      {"*\xe9", "caf\xe9", true},     {"*\xe9", "caf\xc9", false}};
  // clang-format on
  for (const Case &c : kCases)
    EXPECT_EQ(matches(c.pattern, c.name), c.matches) << c.pattern << " / " << c.name;
  EXPECT_THROW(qb::wildcard_to_regex("a{"), std::regex_error);
  EXPECT_THROW(qb::wildcard_to_regex("a{2"), std::regex_error);
}

// Wildcards without braces are matched without the regex engine; every
// answer must still be the one the compiled expression gives.  Short random
// patterns and names over the bytes that matter: both letter cases, the
// wildcards, characters the conversion escapes, line breaks and high bytes.
TEST(Wildcard, MatchesWithoutTheEngineAsTheEngineDoes) {
  const std::string alphabet = std::string("aAbB*?.\\ ") + '\n' + '\r' + '\x80' + '\xe9' + '\xc9';
  std::mt19937 random(20261207);
  std::uniform_int_distribution<std::size_t> letter(0, alphabet.size() - 1), length(0, 7);
  auto word = [&](std::size_t n) {
    std::string w;
    for (std::size_t i = 0; i < n; ++i) w += alphabet[letter(random)];
    return w;
  };
  int matched = 0;
  for (int round = 0; round < 20000; ++round) {
    const std::string pattern = word(length(random));
    const qb::Regex compiled = qb::wildcard_to_regex(pattern);
    const std::regex engine(qb::wildcard_to_regex_text(pattern), std::regex::ECMAScript | std::regex::icase);
    for (int i = 0; i < 8; ++i) {
      std::string name = word(length(random));
      if (i == 0) name = pattern;  // a pattern often matches itself: keep the true answers frequent
      const bool expected = std::regex_match(name, engine);
      EXPECT_EQ(qb::regex_full_match(name, compiled), expected)
          << "pattern '" << pattern << "' name '" << name << "'";
      matched += expected;
    }
  }
  EXPECT_GT(matched, 5000);
}

TEST(RegexHelpers, SearchAndCase) {
  qb::RegexSpan span;
  ASSERT_TRUE(qb::regex_search_group("xxLeftArm", qb::compile_regex("(Left)Arm"), 1, span));
  EXPECT_EQ(span.position, 2);
  EXPECT_EQ(span.length, 4);
  EXPECT_FALSE(qb::regex_search_group("Right", qb::compile_regex("Left"), 0, span));
  EXPECT_TRUE(qb::regex_full_match("ABC", qb::compile_regex("abc", true)));
  EXPECT_FALSE(qb::regex_full_match("ABC", qb::compile_regex("abc")));
}

// The conversion is what escaping every special character and then turning
// the escaped star and question mark into ".*" and "." through the standard
// library's replace gives, on random patterns over every byte that matters.
TEST(Wildcard, ConversionEscapesAsTheReplacementsDid) {
  const std::regex special(R"(([\^\.\$\|\(\)\[\]\*\+\?\/\\]))"), star(R"(\\\*)"), question(R"(\\\?)");
  const std::string alphabet = std::string("a*?.\\^$|()[]+/{},-:=! ") + '\0' + '\x81' + '\xe9';
  std::mt19937 random(17);
  for (int round = 0; round < 5000; ++round) {
    std::string pattern;
    for (std::size_t n = random() % 10; n > 0; --n) pattern += alphabet[random() % alphabet.size()];
    std::string expected = std::regex_replace(pattern, special, R"(\$&)");
    expected = std::regex_replace(std::regex_replace(expected, star, ".*"), question, ".");
    ASSERT_EQ(qb::wildcard_to_regex_text(pattern), expected) << pattern;
  }
}

}  // namespace

// Exact counts ("a{3}", "?{2}") are written out for the wildcard walk; every
// other brace goes to the engine.  Either way the answer, or the refusal, is
// the compiled expression's.
TEST(Wildcard, CountsAnswerAsTheEngineDoes) {
  const char *const tokens[] = {"a",   "A",   "b",   "?",   "*",     "\\", "\n", "\xe9",
                                "{0}", "{1}", "{2}", "{3}", "{1,2}", "{",  "}",  "{12}"};
  std::mt19937 random(20261208);
  std::uniform_int_distribution<std::size_t> token(0, std::size(tokens) - 1), length(0, 6);
  int compared = 0, matched = 0;
  for (int round = 0; round < 5000; ++round) {
    std::string pattern;
    for (std::size_t i = length(random); i > 0; --i) pattern += tokens[token(random)];
    // The library takes ".*{2}" as a repeated ".*" and backtracks for ever; the module refuses it as too
    // complex, which the plain library here cannot show.
    if (pattern.find("*{") != std::string::npos) continue;
    std::regex engine;
    try {
      engine = std::regex(qb::wildcard_to_regex_text(pattern), std::regex::ECMAScript | std::regex::icase);
    } catch (const std::regex_error &) {
      EXPECT_THROW(qb::wildcard_to_regex(pattern), std::regex_error) << pattern;
      continue;
    }
    const qb::Regex compiled = qb::wildcard_to_regex(pattern);
    for (int i = 0; i < 8; ++i) {
      std::string name;
      for (std::size_t k = length(random) + (i == 0 ? 2 : 0); k > 0; --k) name += "aAb\n\xe9"[random() % 5];
      const bool expected = std::regex_match(name, engine);
      EXPECT_EQ(qb::regex_full_match(name, compiled), expected)
          << "pattern '" << pattern << "' name '" << name << "'";
      matched += expected;
      ++compared;
    }
  }
  EXPECT_GT(compared, 10000);
  EXPECT_GT(matched, 300);
}
