// Paths and names on a Japanese host, read by characters: a lead byte takes
// only a byte that can follow it, every question about the end of a path is
// asked of its last character, and each style's mesh test takes both
// separators (and, on Windows and macOS, .LWO).  The same folders listed
// through qbhost.exe on a Japanese Windows are traced in tests/trace/jpwin.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "tests/unit/support/test_folder.h"
#include "toolkit/files.h"
#include "toolkit/text/code_page.h"
#include "toolkit/text/text_buffer.h"

namespace {

using qb::CodePage;

// Shift-JIS characters whose second byte is 0x5C, the backslash.
const std::string kHyo = "\x95\x5c";  // 表
const std::string kSo = "\x83\x5c";   // ソ
const std::string kNo = "\x94\x5c";   // 能
const std::string kJu = "\x8f\x5c";   // 十
const std::string kYo = "\x97\x5c";   // 予

struct JapaneseHost {
  JapaneseHost() { qb::set_host_code_page(CodePage::ShiftJis); }
  ~JapaneseHost() { qb::set_host_code_page(CodePage::SingleByte); }
};

TEST(PathCharacters, ALeadByteTakesOnlyAByteThatCanFollowIt) {
  const struct {
    unsigned char second;
    std::size_t length;
  } cases[] = {{0x00, 1}, {0x2f, 1}, {0x3a, 1}, {0x3f, 1}, {0x40, 2}, {0x5c, 2}, {0x7e, 2},
               {0x7f, 1}, {0x80, 2}, {0xa0, 2}, {0xfc, 2}, {0xfd, 1}, {0xff, 1}};
  for (unsigned char lead : {0x81, 0x9f, 0xe0, 0xfc})
    for (const auto &c : cases) {
      const std::string text = {static_cast<char>(lead), static_cast<char>(c.second), 'x'};
      EXPECT_EQ(qb::char_length(CodePage::ShiftJis, text, 0), c.length) << int(lead) << " " << int(c.second);
      EXPECT_EQ(qb::char_length(CodePage::SingleByte, text, 0), 1u);
    }
  EXPECT_EQ(qb::char_length(CodePage::ShiftJis, "\x81", 0), 1u);
}

// A UTF-8 name met on a Japanese host (a scene made on another machine)
// keeps its colon and its slashes: 車 ends in 0x8A, a lead byte.
TEST(PathCharacters, AUtf8NameOnAJapaneseHostKeepsItsColonAndSlashes) {
  JapaneseHost japanese;
  EXPECT_EQ(
      qb::layer_name_of("\xe8\xbb\x8a:\xe3\x83\x9b\xe3\x82\xa4\xe3\x83\xbc\xe3\x83\xab"),  // 車:ホイール
      "\xe3\x83\x9b\xe3\x82\xa4\xe3\x83\xbc\xe3\x83\xab");
  EXPECT_TRUE(qb::TextBuffer("C:/\xe8\xbb\x8a/a.lwo").is_lwo_path(qb::PathStyle::Windows));
  EXPECT_EQ(qb::trim_trailing_separators("C:/\xe8\xbb\x8a/"), "C:/\xe8\xbb\x8a");
}

TEST(PathCharacters, TheEndOfAPathIsItsLastCharacter) {
  const struct {
    std::string text;
    bool japanese, single_byte;  // ends in a separator, read as each code page
  } cases[] = {{"", false, false},
               {"\\", true, true},
               {"C:\\", true, true},
               {kHyo, false, true},
               {kHyo + "\\", true, true},
               {kSo + "/", true, true},
               {"a" + kNo + kYo, false, true},
               {"\x83\x3f\\", true, true},
               {"\x83", false, false},
               {"C:\\a", false, false}};
  for (const auto &c : cases) {
    EXPECT_EQ(qb::ends_in_char_of(CodePage::ShiftJis, c.text, "\\/"), c.japanese) << c.text;
    EXPECT_EQ(qb::ends_in_char_of(CodePage::SingleByte, c.text, "\\/"), c.single_byte) << c.text;
  }
  EXPECT_EQ(qb::last_char_start(CodePage::ShiftJis, "a" + kHyo), 1u);
  EXPECT_EQ(qb::last_char_start(CodePage::SingleByte, "a" + kHyo), 2u);
  EXPECT_EQ(qb::last_char_start(CodePage::ShiftJis, ""), std::string::npos);
}

// Folders whose names end in a character with the second byte 0x5C, given
// with no trailing separator, with \, with / and with both, and nested.
TEST(PathCharacters, FoldersEndingInA5CCharacterListTheirFiles) {
  JapaneseHost japanese;
  qbtest::TestFolder folder("qb_5c_folders");
  const std::string root = folder.path.string() + "/";
  std::vector<std::string> folders = {kHyo, kSo, kNo, kJu, kYo};
  folders.push_back(kNo + "/" + kYo);
  for (const std::string &name : folders) {
    std::filesystem::create_directory(root + name);
    folder.write(name + "/" + kSo + ".lwo", {0x78});
    const std::vector<std::string> listed = {root + name + "/" + kSo + ".lwo"};
    for (const char *end : {"", "\\", "/", "\\/"})
      EXPECT_EQ(qb::list_files(root + name + end, qb::PathStyle::Posix), listed) << name << end;
  }
}

// The mesh test's paths, in each style, on a Japanese host.
TEST(PathCharacters, TheMeshTestTakesBothSeparatorsAndCapitalsWhereCaseIsIgnored) {
  JapaneseHost japanese;
  const struct {
    std::string path;
    bool windows, mac, posix;
  } cases[] = {{"C:\\" + kHyo + "\\a.lwo", true, true, true},
               {"C:\\objs\\" + kHyo + ".lwo", true, true, true},
               {"C:/objs/a.lwo", true, true, true},
               {"\\\\server\\share\\x.lwo", true, true, true},
               {"X.LWO", false, false, false},
               {"C:\\objs\\X.LWO", true, true, false},
               {"C:\\objs\\" + kSo + ".Lwo", true, true, false},
               {"C:\\objs\\" + kSo, false, false, false}};
  for (const auto &c : cases) {
    const qb::TextBuffer path(c.path);
    EXPECT_EQ(path.is_lwo_path(qb::PathStyle::Windows), c.windows) << c.path;
    EXPECT_EQ(path.is_lwo_path(qb::PathStyle::MacOs), c.mac) << c.path;
    EXPECT_EQ(path.is_lwo_path(qb::PathStyle::Posix), c.posix) << c.path;
  }
}

}  // namespace
