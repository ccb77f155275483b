#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "toolkit/text/format.h"

namespace {

const std::string kLong(2000, 'x');

TEST(FormatMessage, ShortTextIsWholeALongOneCutAt511Bytes) {
  EXPECT_EQ(qb::format_message("%s 0x%x", "SelectItem", 0x1000000au), "SelectItem 0x1000000a");
  EXPECT_EQ(qb::format_message("%d%%", 50), "50%");
  std::string text = qb::format_message("ab%s", kLong.c_str());
  ASSERT_EQ(text.size(), 511u);
  EXPECT_EQ(text.substr(0, 3), "abx");
  std::string exact = qb::format_message("%s", std::string(511, 'y').c_str());
  EXPECT_EQ(exact, std::string(511, 'y'));
}

TEST(FormatMessage, ACutNeverEndsInsideAShiftJisCharacter) {
  std::string hiragana;  // 300 characters of 0x82 0xA0, cut after the 256th lead byte
  for (int i = 0; i < 300; ++i) hiragana += "\x82\xa0";
  EXPECT_EQ(qb::format_message("%s", hiragana.c_str()).size(), 511u);
  qb::set_host_code_page(qb::CodePage::ShiftJis);
  EXPECT_EQ(qb::format_message("%s", hiragana.c_str()), hiragana.substr(0, 510));
  EXPECT_EQ(qb::format_message("x%s", hiragana.c_str()).size(), 511u);
  qb::set_host_code_page(qb::CodePage::SingleByte);
}

TEST(FormatBounded, NeverWritesPastTheStatedSize) {
  char buffer[40];
  std::memset(buffer, '#', sizeof buffer);
  // Only the first 16 bytes are handed over; the rest is a canary.
  EXPECT_EQ(qb::format_bounded(buffer, 16, "%s", kLong.c_str()), -1);
  EXPECT_STREQ(buffer, "");
  for (std::size_t i = 16; i < sizeof buffer; ++i) ASSERT_EQ(buffer[i], '#') << i;

  std::memset(buffer, '#', sizeof buffer);
  EXPECT_EQ(qb::format_bounded(buffer, 16, "%s(%d.%02d)%s", "QB:Name", 1, 0, " "), 14);
  EXPECT_STREQ(buffer, "QB:Name(1.00) ");
  for (std::size_t i = 16; i < sizeof buffer; ++i) ASSERT_EQ(buffer[i], '#') << i;
  // An exact fit, one byte too many, no room at all.
  EXPECT_EQ(qb::format_bounded(buffer, 8, "%s", "1234567"), 7);
  EXPECT_STREQ(buffer, "1234567");
  EXPECT_EQ(qb::format_bounded(buffer, 8, "%s", "12345678"), -1);
  EXPECT_EQ(qb::format_bounded(buffer, 0, "%s", "x"), -1);
  EXPECT_EQ(qb::format_bounded(nullptr, 8, "%s", "x"), -1);
}

TEST(FormatText, AnyLengthAndTheBufferIsReused) {
  EXPECT_EQ(qb::format_text("%s", kLong.c_str()), kLong);
  EXPECT_EQ(qb::format_text("SelectItem 0x%x", 0x20000001u), "SelectItem 0x20000001");
  std::string longer(5000, 'z');
  EXPECT_EQ(qb::format_text("<%s>", longer.c_str()), "<" + longer + ">");
  EXPECT_EQ(qb::format_text("%s", ""), "");
}

TEST(LowerCase, AsciiCapitalsOnlyAndShiftJisCharactersPassUnchanged) {
  EXPECT_EQ(qb::lower_case("AbC"), "abc");
  EXPECT_EQ(qb::lower_case("Light_01 [Z]"), "light_01 [z]");
  EXPECT_EQ(qb::lower_case(""), "");
  constexpr qb::CodePage sjis = qb::CodePage::ShiftJis;
  // Katakana A is 0x83 0x41: its second byte looks like a capital A.
  const std::string katakana_a = "\x83\x41";
  EXPECT_EQ(qb::lower_case(katakana_a, sjis), katakana_a);
  EXPECT_EQ(qb::lower_case("X" + katakana_a + "Y", sjis), "x" + katakana_a + "y");
  // "Kanji" 0x8A 0xBF then an ASCII capital.
  EXPECT_EQ(qb::lower_case("\x8a\xbf"
                           "B",
                           sjis),
            "\x8a\xbf"
            "b");
  // Half-width katakana (single bytes 0xA1-0xDF) are not lead bytes.
  EXPECT_EQ(qb::lower_case("\xb1"
                           "C",
                           sjis),
            "\xb1"
            "c");
  // On any other host every byte is a character of its own.
  EXPECT_EQ(qb::lower_case("\xe9"
                           "A",
                           qb::CodePage::SingleByte),
            "\xe9"
            "a");
}

}  // namespace
