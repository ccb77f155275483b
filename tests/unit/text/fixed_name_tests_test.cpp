// The fixed name and path tests read their texts directly; each must answer
// exactly what its regular expression answers through the matcher, for every
// text: line breaks (which "." does not take), separators of both kinds, empty
// texts, NUL and high bytes (Shift-JIS lead bytes, 0xFF).
#include <gtest/gtest.h>

#include <random>
#include <regex>
#include <string>
#include <vector>

#include "tests/unit/support/qbhost_fixture.h"
#include "toolkit/files.h"
#include "toolkit/lwtool2/items.h"
#include "toolkit/lwtool2/services.h"
#include "toolkit/text/code_page.h"
#include "toolkit/text/regex.h"
#include "toolkit/text/text_buffer.h"
#include "tools/rename/new_name.h"

namespace {

// Pieces that make the patterns' edges likely: extensions in both cases,
// separators, the host's counter form and its near misses, line breaks.
const std::vector<std::string> kPieces = {".lwo",
                                          ".LWO",
                                          ".lwO",
                                          "lwo",
                                          ".",
                                          "\\",
                                          "/",
                                          "\\\\",
                                          ":",
                                          "::",
                                          " ",
                                          "  ",
                                          "(",
                                          ")",
                                          " (",
                                          " (2)",
                                          " (12)",
                                          " ()",
                                          " (x)",
                                          "(3)",
                                          "0",
                                          "9",
                                          "42",
                                          "a",
                                          "Box",
                                          "Arm_L",
                                          "C:",
                                          "\n",
                                          "\r",
                                          "\r\n",
                                          std::string(1, '\0'),
                                          "\x81\x5c",
                                          "\x82\xa0",
                                          "\xff",
                                          "\x80",
                                          "\xe3\x81\x82"};

// Bytes a plain walk might treat wrongly.
const std::string kBytes = std::string("aZ09 :()\\/.lwoLWO\n\r\t\x81\x5c\x7f\x80\xff") + std::string(1, '\0');

// Endings that the answers turn on, put after a third of the texts.
const std::vector<std::string> kEndings = {".lwo", "\\x.lwo", "/x.lwo", "\\\n.lwo", " (3)",
                                           ":b",   ":b (12)", "\\",     "/\\"};

// Texts of up to about a dozen pieces or bytes, plus short edge texts and
// plain paths and layer names whose answers are plain to see.
std::vector<std::string> sample_texts(bool with_nul) {
  std::vector<std::string> texts = {"",
                                    " ",
                                    ":",
                                    "\\",
                                    "/",
                                    ".lwo",
                                    "a.lwo",
                                    "\\.lwo",
                                    "\\a.lwo",
                                    "a:b",
                                    "a:b (1)",
                                    "a:b (",
                                    "a (1)",
                                    "a  (1)",
                                    " (1)",
                                    "a (1) ",
                                    "a (1)\n",
                                    "\na (1)",
                                    "a\n(1)",
                                    "C:\\Objects\\box.lwo",
                                    "C:/Objects/box.lwo",
                                    "C:\\Objects\\box.LWO",
                                    "C:\\Objects\\box.lwo2",
                                    "/home/me/box.lwo",
                                    "Objects/",
                                    "C:\\Objects\\\\/",
                                    "\\/\\",
                                    "a\\b",
                                    "box:Layer1 (2)",
                                    "box:my layer",
                                    ":Layer1",
                                    "box:",
                                    "a:b:c",
                                    "box:Layer1 (x)"};
  std::mt19937 random(20261207);
  auto pick = [&](std::size_t n) { return std::uniform_int_distribution<std::size_t>(0, n - 1)(random); };
  for (int i = 0; i < 12000; ++i) {
    std::string text;
    const std::size_t count = pick(13);
    for (std::size_t k = 0; k < count; ++k) {
      if (i % 2 == 0) text += kPieces[pick(kPieces.size())];
      else text += kBytes[pick(kBytes.size())];
    }
    if (i % 3 == 0) text += kEndings[pick(kEndings.size())];
    texts.push_back(text);
  }
  if (!with_nul) {
    for (std::string &text : texts) std::erase(text, '\0');
  }
  return texts;
}

std::string shown(const std::string &text) {
  std::string out;
  for (unsigned char c : text) {
    if (c >= 0x20 && c < 0x7f) out += static_cast<char>(c);
    else out += "\\x" + std::string(1, "0123456789abcdef"[c >> 4]) + "0123456789abcdef"[c & 15];
  }
  return out;
}

TEST(FixedNameTests, TrimTrailingSeparatorsAnswersAsItsExpression) {
  const std::regex re(R"(^(.*[^\\/]+)[\\/]*$)");
  int trimmed = 0;
  for (const std::string &path : sample_texts(true)) {
    std::smatch groups;
    const bool matched = !path.empty() && std::regex_match(path, groups, re);
    const std::string expected = matched ? groups[1].str() : path;
    ASSERT_EQ(qb::trim_trailing_separators(path), expected) << shown(path);
    trimmed += expected != path;
  }
  EXPECT_GT(trimmed, 1000);  // the samples reach both answers
  EXPECT_EQ(qb::trim_trailing_separators("a\n\\b\\"), "a\n\\b\\");
  EXPECT_EQ(qb::trim_trailing_separators("a\\b\n\\"), "a\\b\n");
}

TEST(FixedNameTests, LayerNameAnswersAsItsExpression) {
  const std::regex re(R"(^([^:]+):([^ ]+)( \([0-9]+\))?$)");
  int named = 0;
  for (const std::string &name : sample_texts(true)) {
    std::smatch groups;
    const std::string expected = std::regex_match(name, groups, re) ? groups[2].str() : std::string();
    ASSERT_EQ(qb::layer_name_of(name), expected) << shown(name);
    named += !expected.empty();
  }
  EXPECT_GT(named, 500);
  EXPECT_EQ(qb::layer_name_of("a\nb:c\nd (3)"), "c\nd");
  EXPECT_EQ(qb::layer_name_of("a:b:c (3)"), "b:c");
}

TEST(FixedNameTests, WorkingNameAnswersAsItsExpression) {
  const qb::Regex re = qb::compile_regex(R"(^([^ ]+) \(([0-9]+)\)$)");
  int shortened = 0;
  for (const std::string &name : sample_texts(true)) {
    qb::RegexSpan base;
    std::string expected = name;
    if (qb::regex_search_group(name, re, 1, base) && base.position >= 0)
      expected = name.substr(static_cast<std::size_t>(base.position), static_cast<std::size_t>(base.length));
    ASSERT_EQ(qb::rename::working_name(name), expected) << shown(name);
    shortened += expected != name;
  }
  EXPECT_GT(shortened, 100);
  EXPECT_EQ(qb::rename::working_name("a\n (7)"), "a\n");
  EXPECT_EQ(qb::rename::working_name("a (7)\n"), "a (7)\n");
}

// ASCII letters in lower case: where the file system ignores letter case, the
// tests answer what their expressions answer over the folded text.
std::string folded(std::string text) {
  for (char &c : text)
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
  return text;
}

constexpr qb::PathStyle kStyles[] = {qb::PathStyle::Windows, qb::PathStyle::MacOs, qb::PathStyle::Posix};

// Both separators count in every style; the ending is matched without letter
// case on Windows and macOS.
TEST(FixedNameTests, LwoPathAnswersAsItsExpressionInEveryStyle) {
  const qb::Regex either = qb::compile_regex(R"(^.*[\\/][^\\/]+\.lwo$)");
  int paths = 0, capitals = 0;
  for (const std::string &text : sample_texts(true)) {
    const qb::TextBuffer buffer{std::string_view(text)};
    const bool exact = qb::regex_full_match(text, either);
    const bool any_case = qb::regex_full_match(folded(text), either);
    for (qb::PathStyle style : kStyles)
      ASSERT_EQ(buffer.is_lwo_path(style), qb::ignores_letter_case(style) ? any_case : exact) << shown(text);
    paths += exact;
    capitals += any_case && !exact;
  }
  EXPECT_GT(paths, 100);
  EXPECT_GT(capitals, 50);
  EXPECT_FALSE(qb::TextBuffer().is_lwo_path(qb::PathStyle::Windows));
  EXPECT_TRUE(qb::TextBuffer("C:\\o\\a\n.lwo").is_lwo_path(qb::PathStyle::Windows));
  EXPECT_FALSE(qb::TextBuffer("C:\n\\o\\a.lwo").is_lwo_path(qb::PathStyle::Windows));
}

TEST(FixedNameTests, ClassifyItemAnswersAsItsExpression) {
  qbtest::TestHost host;
  ASSERT_TRUE(lwtool2::fetch_services(host.global()));
  const qb::Regex re = qb::compile_regex(R"(^.*\.lwo$)");
  int meshes = 0;
  // File names reach the module as C strings: no NUL inside.
  for (const std::string &file : sample_texts(false)) {
    const LWItemID object = qbtest::handle(host.scene().add_mesh("object", file));
    const bool mesh = qb::regex_full_match(file, re);
    const bool any_case = qb::regex_full_match(folded(file), re);
    for (qb::PathStyle style : kStyles)
      ASSERT_EQ(lwtool2::classify_item(object, style),
                (qb::ignores_letter_case(style) ? any_case : mesh) ? qb::kMeshObject : qb::kNullObject)
          << shown(file);
    meshes += mesh;
  }
  EXPECT_GT(meshes, 100);
  EXPECT_EQ(lwtool2::classify_item(host.add(LWI_OBJECT, "no file")), qb::kNullObject);
  EXPECT_EQ(lwtool2::classify_item(host.mesh("broken", "C:\\o\r\\a.lwo")), qb::kNullObject);
  EXPECT_EQ(lwtool2::classify_item(host.mesh("plain", "\x81\x5c.lwo")), qb::kMeshObject);
}

// On a Japanese host the same tests read whole Shift-JIS characters: each
// answers what its expression answers over the text decoded into one wide
// character per character (a double-byte one above 0xFF, so that its second
// byte is never a separator, a colon, a blank or a line break; a lead byte
// before a byte that cannot be a second byte is a character of its own).
std::wstring characters(const std::string &text) {
  std::wstring out;
  for (std::size_t i = 0; i < text.size();) {
    const std::size_t n = qb::char_length(qb::CodePage::ShiftJis, text, i);
    const auto lead = static_cast<unsigned char>(text[i]);
    out += n == 1 ? wchar_t(lead) : wchar_t(0x10000 | lead << 8 | static_cast<unsigned char>(text[i + 1]));
    i += n;
  }
  return out;
}

std::string bytes_of(const std::wstring &text) {
  std::string out;
  for (wchar_t c : text) {
    if (c > 0xFF) out += static_cast<char>((c >> 8) & 0xFF);
    out += static_cast<char>(c & 0xFF);
  }
  return out;
}

TEST(FixedNameTests, OnAJapaneseHostAnswerAsTheirExpressionsOverWholeCharacters) {
  qb::set_host_code_page(qb::CodePage::ShiftJis);
  const std::wregex trim(LR"(^(.*[^\\/]+)[\\/]*$)"), layer(LR"(^([^:]+):([^ ]+)( \([0-9]+\))?$)"),
      duplicate(LR"(^([^ ]+) \(([0-9]+)\)$)"), either(LR"(^.*[\\/][^\\/]+\.lwo$)"), lwo_file(LR"(^.*\.lwo$)");
  int differ = 0;
  for (const std::string &text : sample_texts(true)) {
    const std::wstring wide = characters(text);
    std::wsmatch m;
    const bool trimmed = !text.empty() && std::regex_match(wide, m, trim);
    ASSERT_EQ(qb::trim_trailing_separators(text), trimmed ? bytes_of(m[1]) : text) << shown(text);
    ASSERT_EQ(qb::layer_name_of(text), std::regex_match(wide, m, layer) ? bytes_of(m[2]) : "") << shown(text);
    ASSERT_EQ(qb::rename::working_name(text), std::regex_search(wide, m, duplicate) ? bytes_of(m[1]) : text)
        << shown(text);
    const qb::TextBuffer buffer{std::string_view(text)};
    ASSERT_EQ(buffer.is_lwo_path(qb::PathStyle::Windows), std::regex_match(characters(folded(text)), either))
        << shown(text);
    ASSERT_EQ(buffer.is_lwo_path(qb::PathStyle::Posix), std::regex_match(wide, either)) << shown(text);
    differ += wide.size() != text.size();
  }
  EXPECT_GT(differ, 1000);  // many samples hold double-byte characters
  qbtest::TestHost host;
  ASSERT_TRUE(lwtool2::fetch_services(host.global()));
  for (const std::string &file : sample_texts(false)) {
    const bool mesh = std::regex_match(characters(file), lwo_file);
    const bool any_case = std::regex_match(characters(folded(file)), lwo_file);
    const LWItemID object = qbtest::handle(host.scene().add_mesh("object", file));
    ASSERT_EQ(lwtool2::classify_item(object, qb::PathStyle::Posix), mesh ? qb::kMeshObject : qb::kNullObject)
        << shown(file);
    ASSERT_EQ(lwtool2::classify_item(object, qb::PathStyle::Windows),
              any_case ? qb::kMeshObject : qb::kNullObject)
        << shown(file);
  }
  qb::set_host_code_page(qb::CodePage::SingleByte);
}

}  // namespace
