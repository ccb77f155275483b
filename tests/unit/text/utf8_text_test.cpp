// Names, patterns and paths from a host of the 2020 generation are UTF-8: a
// lead byte and its continuation bytes are one character, and a byte that
// starts or continues no well-formed sequence is one of its own.  Wildcards,
// letter case, searches, regular expressions and message shortening never
// split a character.
#include <gtest/gtest.h>

#include <string>

#include "toolkit/text/code_page.h"
#include "toolkit/text/format.h"
#include "toolkit/text/pattern.h"
#include "toolkit/text/regex.h"
#include "toolkit/text/wildcard_match.h"

namespace {

using qb::CodePage;

struct Utf8Host {
  Utf8Host() { qb::set_host_code_page(CodePage::Utf8); }
  ~Utf8Host() { qb::set_host_code_page(CodePage::SingleByte); }
};

// The lengths of the characters of `text`, in order.
std::vector<std::size_t> characters(const std::string &text) {
  std::vector<std::size_t> lengths;
  for (std::size_t i = 0; i < text.size(); i += lengths.back())
    lengths.push_back(qb::char_length(CodePage::Utf8, text, i));
  return lengths;
}

TEST(Utf8Text, ALeadByteAndItsContinuationBytesAreOneCharacter) {
  const struct {
    std::string text;
    std::vector<std::size_t> lengths;
  } cases[] = {
      {"a\xC3\xA9z", {1, 2, 1}},                  // é
      {"\xE3\x82\xAD\xE3\x83\x83", {3, 3}},       // キッ
      {"\xF0\x9F\x98\x80!", {4, 1}},              // an emoji past U+FFFF
      {"\x80\xBF", {1, 1}},                       // continuation bytes alone
      {"\xE3\x82", {1, 1}},                       // a sequence cut short
      {"\xC0\xAF\xE0\x80\xAF", {1, 1, 1, 1, 1}},  // overlong forms of '/'
      {"\xED\xA0\x80", {1, 1, 1}},                // a surrogate
      {"\xF4\x90\x80\x80", {1, 1, 1, 1}},         // past U+10FFFF
      {"\xE3\x82\x5C", {1, 1, 1}},                // a lead byte before '\'
  };
  for (const auto &c : cases) EXPECT_EQ(characters(c.text), c.lengths) << c.text;
}

// キ is E3 82 AD and ク E3 82 AF: the same lead bytes, so a byte-wise '?'
// or a cut after two bytes would take one for the other.
TEST(Utf8Text, WildcardsSearchesAndCaseTakeWholeCharacters) {
  Utf8Host utf8;
  const std::string ki = "\xE3\x82\xAD", ku = "\xE3\x82\xAF", migi = "\xE5\x8F\xB3";
  const struct {
    std::string pattern, name;
    bool matches;
  } cases[] = {
      {"?", ki, true},
      {"??", ki, false},
      {"???", ki, false},
      {ki, ku, false},
      {migi + "*", migi + "Arm", true},
      {"*rm", migi + "ARM", true},
      {"?" + ku, ki + ku, true},
      {"\xE3\x82?", ki, false},
      {"?\x80", "\xC3\x80", false},
  };
  for (const auto &c : cases) {
    SCOPED_TRACE(c.pattern + " / " + c.name);
    EXPECT_EQ(qb::wildcard_full_match(c.name, qb::make_wildcard_program(c.pattern, CodePage::Utf8)),
              c.matches);
    EXPECT_EQ(qb::regex_full_match(c.name, qb::wildcard_to_regex(c.pattern + "{1}")), c.matches);
  }
  // A search for the last byte of a character does not find it inside one.
  EXPECT_EQ(qb::find_text(CodePage::Utf8, ki + "\xAD", "\xAD"), 3u);
  EXPECT_EQ(qb::find_char_of(CodePage::Utf8, ki + "/", "/\\"), 3u);
  EXPECT_EQ(qb::lower_case(migi + "ABC"), migi + "abc");
}

TEST(Utf8Text, RegularExpressionsReadCodePointsAndGiveByteOffsets) {
  Utf8Host utf8;
  const std::string ki = "\xE3\x82\xAD", emoji = "\xF0\x9F\x98\x80";
  const struct {
    std::string pattern, text;
    std::ptrdiff_t position, length;
  } cases[] = {
      {"^.", ki + "x", 0, 3},
      {"(.)$", "a" + ki, 1, 3},
      {"x(.)", "\x80x" + emoji, 2, 4},     // a stray byte, then a character past U+FFFF
      {"\x80", "\xE3\x82\x80\x80", 3, 1},  // a stray byte matches itself, never the end of \u3080
      {ki + "+", "a" + ki + ki, 1, 6},
  };
  for (const auto &c : cases) {
    SCOPED_TRACE(c.pattern);
    qb::RegexSpan span;
    const std::size_t group = c.pattern.find('(') == std::string::npos ? 0 : 1;
    ASSERT_TRUE(qb::regex_search_group(c.text, qb::compile_regex(c.pattern), group, span));
    EXPECT_EQ(span.position, c.position);
    EXPECT_EQ(span.length, c.length);
  }
  EXPECT_FALSE(qb::regex_full_match(ki, qb::compile_regex("..")));
}

// A message cut at the 512-byte buffer loses the character it would split.
TEST(Utf8Text, ShorteningDropsACutCharacterWhole) {
  Utf8Host utf8;
  const std::string ki = "\xE3\x82\xAD";
  for (std::size_t pad = 0; pad < 3; ++pad) {
    std::string text(pad, 'a');
    while (text.size() < 600) text += ki;
    const std::string message = qb::format_message("%s", text.c_str());
    SCOPED_TRACE(pad);
    EXPECT_LE(message.size(), 511u);
    EXPECT_EQ((message.size() - pad) % 3, 0u);
    EXPECT_EQ(characters(message).back(), 3u);
  }
}

}  // namespace
