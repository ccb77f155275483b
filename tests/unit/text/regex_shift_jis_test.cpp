// Regular expressions on a Japanese host: every double-byte Shift-JIS
// character is one character to the engine, whatever its second byte, and
// positions come back as byte offsets.  English hosts read bytes.
#include <gtest/gtest.h>

#include <cctype>
#include <regex>
#include <string>

#include "toolkit/text/code_page.h"
#include "toolkit/text/pattern.h"
#include "toolkit/text/regex.h"
#include "toolkit/text/text_buffer.h"
#include "tools/rename/new_name.h"
#include "tools/rename/rename_settings.h"

namespace {

struct JapaneseHost {
  JapaneseHost() { qb::set_host_code_page(qb::CodePage::ShiftJis); }
  ~JapaneseHost() { qb::set_host_code_page(qb::CodePage::SingleByte); }
};

// Second bytes that read alone as a letter or as a special character of the
// grammar ('$' follows no lead byte in Shift-JIS, but the host may still hand
// one over, and it is one character all the same).
std::string second_bytes() {
  std::string bytes = "{}[\\|^$";
  for (char c = 'A'; c <= 'Z'; ++c) bytes += {c, static_cast<char>(c - 'A' + 'a')};
  return bytes;
}

std::string jis(unsigned char lead, char second) { return {static_cast<char>(lead), second}; }

bool too_complex_or_error(const std::string &pattern) {
  try {
    qb::compile_regex(pattern);
  } catch (const std::regex_error &) {
    return true;
  }
  return false;
}

TEST(RegexShiftJis, EveryDoubleByteCharacterIsOneCharacter) {
  JapaneseHost host;
  for (unsigned char lead : {0x83, 0x90, 0x95, 0xE0, 0xFC}) {
    for (char second : second_bytes()) {
      const std::string c = jis(lead, second);
      const std::string name = "a" + c + "b" + c;
      SCOPED_TRACE(testing::Message() << int(lead) << " " << second);
      // The character as a pattern compiles and is found whole.
      qb::RegexSpan span;
      ASSERT_TRUE(qb::regex_search_group(name, qb::compile_regex("(" + c + ")b"), 1, span));
      EXPECT_EQ(span.position, 1);
      EXPECT_EQ(span.length, 2);
      EXPECT_TRUE(qb::regex_full_match(name, qb::compile_regex("a" + c + "b" + c + "$")));
      // "." takes it whole; a match never starts or ends inside it.
      EXPECT_TRUE(qb::regex_full_match(c, qb::compile_regex(".")));
      EXPECT_FALSE(qb::regex_full_match(c, qb::compile_regex("..")));
      ASSERT_TRUE(qb::regex_search_group(name, qb::compile_regex("(.)$"), 1, span));
      EXPECT_EQ(span.position, 4);
      EXPECT_EQ(span.length, 2);
      // Its second byte alone, as a literal, is not found in it.
      const std::string alone = std::isalpha(static_cast<unsigned char>(second)) ? std::string(1, second)
                                                                                  : std::string("\\") + second;
      EXPECT_FALSE(qb::regex_search_group(c, qb::compile_regex(alone), 0, span));
      EXPECT_FALSE(qb::regex_search_group(c, qb::compile_regex(alone, true), 0, span));
      // It has no letter case and belongs to no class.
      EXPECT_FALSE(qb::regex_search_group(c, qb::compile_regex("[\\w\\d\\s[:alpha:][:punct:]]"), 0, span));
      EXPECT_TRUE(qb::regex_full_match(c, qb::compile_regex("[^a-zA-Z]")));
      if (std::isalpha(static_cast<unsigned char>(second))) {
        const std::string other_case = jis(lead, static_cast<char>(second ^ 0x20));
        EXPECT_FALSE(qb::regex_full_match(other_case, qb::compile_regex(c, true)));
        EXPECT_FALSE(qb::regex_full_match(other_case, qb::wildcard_to_regex(c + "{1}")));
      }
      // Counted repeats and back-references count characters.
      EXPECT_TRUE(qb::regex_full_match(c + c, qb::wildcard_to_regex(c + "{2}")));
      EXPECT_TRUE(qb::regex_full_match(c + c, qb::compile_regex("(.)\\1")));
    }
  }
}

// The rename tool's regular-expression mode: patterns with ボ (second byte
// '{') and ソ (second byte '\') compile, and "^." replaces a whole character.
TEST(RegexShiftJis, RenamePatternsReplaceWholeCharacters) {
  const std::string bo = "\x83\x7b", so = "\x83\x5c", ki = "\x83\x4c", ku = "\x83\x4e", tsu = "\x83\x62";
  qb::rename::RenameSettings settings;
  settings.mode = qb::rename::Mode::kRegex;
  settings.pattern_replace_text = qb::TextBuffer("X");
  {
    JapaneseHost host;
    settings.pattern_text = qb::TextBuffer(bo);
    EXPECT_EQ(qb::rename::compute_new_name(settings, "a" + bo + "b"), "aXb");
    settings.pattern_text = qb::TextBuffer(so + "+");
    EXPECT_EQ(qb::rename::compute_new_name(settings, so + so + "_L"), "X_L");
    settings.pattern_text = qb::TextBuffer("^.");
    EXPECT_EQ(qb::rename::compute_new_name(settings, ki + tsu + ku + "_L"), "X" + tsu + ku + "_L");
    settings.pattern_text = qb::TextBuffer("L");
    EXPECT_EQ(qb::rename::compute_new_name(settings, ki + tsu + ku + "_L"), ki + tsu + ku + "_X");
  }
  // An English host reads the same bytes one by one, as it always has.
  EXPECT_TRUE(too_complex_or_error(bo));
  settings.pattern_text = qb::TextBuffer("^.");
  EXPECT_EQ(qb::rename::compute_new_name(settings, ki + tsu), "X\x4c" + tsu);
}

}  // namespace
