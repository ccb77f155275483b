// The code page's idea of a character against the system's own conversion,
// and the lead bytes at the ends of their ranges.
#include <gtest/gtest.h>
#include <iconv.h>

#include <cerrno>

#include <string>

#include "toolkit/text/code_page.h"
#include "toolkit/text/pattern.h"
#include "toolkit/text/regex.h"

namespace {

using qb::CodePage;

// How many characters iconv's CP932 reads in `bytes`: -1 when it refuses
// them, -3 when they end inside a character (a lead byte alone).
int cp932_characters(const std::string &bytes) {
  iconv_t convert = iconv_open("UTF-32LE", "CP932");
  if (convert == reinterpret_cast<iconv_t>(-1)) return -2;
  std::string in = bytes;
  char out[64];
  char *in_at = in.data(), *out_at = out;
  std::size_t in_left = in.size(), out_left = sizeof out;
  const std::size_t done = iconv(convert, &in_at, &in_left, &out_at, &out_left);
  const int error = errno;
  iconv_close(convert);
  if (done == static_cast<std::size_t>(-1)) return error == EINVAL ? -3 : -1;
  return static_cast<int>((sizeof out - out_left) / 4);
}

// Every pair of bytes: where CP932 reads the pair as one character, so does
// the code page.  A byte that CP932 reads as a character of its own, or
// refuses alone (0x80, 0xA0, 0xFD-0xFF), is one.  A lead byte (one that CP932
// finds a character unfinished without its second byte) before a byte that
// can follow it is one character even where no character is assigned to the
// code; before any other byte it stands alone.
TEST(CodePageEdges, EveryPairOfBytesAsCp932ReadsIt) {
  ASSERT_NE(cp932_characters("a"), -2) << "iconv has no CP932";
  int compared = 0, pairs = 0;
  for (int a = 0; a < 256; ++a) {
    const bool lead = cp932_characters(std::string(1, static_cast<char>(a))) == -3;
    EXPECT_EQ(qb::is_lead_byte(CodePage::ShiftJis, static_cast<unsigned char>(a)), lead) << a;
    for (int b = 0; b < 256; ++b) {
      const std::string pair{static_cast<char>(a), static_cast<char>(b)};
      const std::size_t length = qb::char_length(CodePage::ShiftJis, pair, 0);
      const bool one = cp932_characters(pair) == 1;
      SCOPED_TRACE(testing::Message() << std::hex << a << " " << b);
      if (one) {
        EXPECT_EQ(length, 2u);
        ++pairs;
      } else {
        EXPECT_EQ(length, lead && qb::is_second_byte(qb::CodePage::ShiftJis, static_cast<unsigned char>(b))
                              ? 2u
                              : 1u);
      }
      EXPECT_EQ(qb::char_length(CodePage::SingleByte, pair, 0), 1u);
      ++compared;
    }
  }
  EXPECT_EQ(compared, 65536);
  EXPECT_GT(pairs, 7000);  // JIS X 0208 and the vendor rows: CP932 was really asked
}

// The lead bytes at the ends of their ranges and the bytes just outside:
// "?" takes a lead byte and its second byte, or one byte alone.
TEST(CodePageEdges, LeadBytesAtTheEndsOfTheirRanges) {
  struct Edge {
    unsigned char byte;
    bool lead;
  };
  const Edge edges[] = {{0x80, false}, {0x81, true}, {0x9F, true}, {0xA0, false},
                        {0xDF, false}, {0xE0, true}, {0xFC, true}, {0xFD, false}};
  qb::set_host_code_page(CodePage::ShiftJis);
  for (const Edge &edge : edges) {
    SCOPED_TRACE(testing::Message() << std::hex << int(edge.byte));
    const std::string c{static_cast<char>(edge.byte), '\x40'};
    EXPECT_EQ(qb::is_lead_byte(CodePage::ShiftJis, edge.byte), edge.lead);
    EXPECT_EQ(qb::char_length(CodePage::ShiftJis, c, 0), edge.lead ? 2u : 1u);
    EXPECT_EQ(qb::regex_full_match(c, qb::wildcard_to_regex("?")), edge.lead);
    EXPECT_EQ(qb::regex_full_match(c, qb::wildcard_to_regex("??")), !edge.lead);
    EXPECT_EQ(qb::regex_full_match(c, qb::compile_regex(".")), edge.lead);
    // Its second byte, '@', is found only when it is a character of its own.
    EXPECT_EQ(qb::find_char_of(CodePage::ShiftJis, c, "@"), edge.lead ? std::string::npos : 1u);
    // A lead byte before a byte that cannot follow it, and one that ends the text, stand alone.
    EXPECT_EQ(qb::char_length(CodePage::ShiftJis, std::string{static_cast<char>(edge.byte), ':'}, 0), 1u);
    EXPECT_EQ(qb::char_length(CodePage::ShiftJis, std::string(1, static_cast<char>(edge.byte)), 0), 1u);
  }
  qb::set_host_code_page(CodePage::SingleByte);
}

}  // namespace
