// Names, patterns and paths on a Japanese host: a Shift-JIS lead byte and the
// byte after it are one character, whose second byte is never a letter, a
// brace, a wildcard or a separator of its own.  On any other host every byte
// is a character, as before.  Regular expressions on a Japanese host read
// each double-byte character as one character and give byte offsets.
#include <gtest/gtest.h>

#include <cctype>
#include <filesystem>
#include <locale>
#include <random>
#include <regex>
#include <sstream>
#include <string>
#include <vector>

#include "host/core/host.h"
#include "tests/unit/support/lwo_bytes.h"
#include "tests/unit/support/test_folder.h"
#include "toolkit/files.h"
#include "toolkit/text/code_page.h"
#include "toolkit/text/pattern.h"
#include "toolkit/text/regex.h"
#include "toolkit/text/text_buffer.h"
#include "toolkit/text/wildcard_match.h"
#include "tools/rename/new_name.h"
#include "tools/rename/rename_settings.h"

extern "C" ModuleDescriptor _mod_descrip;

namespace {

using qb::CodePage;

// Shift-JIS bytes of the characters the cases turn on.
const std::string kOya = "\x90\x65";    // 親, second byte e
const std::string kShoku = "\x90\x45";  // 職, second byte E
const std::string kMigi = "\x89\x45";   // 右, second byte E
const std::string kKage = "\x89\x65";   // 影, second byte e
const std::string kUde = "\x98\x72";    // 腕, second byte r
const std::string kBo = "\x83\x7b";     // ボ, second byte {
const std::string kSo = "\x83\x5c";     // ソ, second byte \ (0x5C)
const std::string kHyo = "\x95\x5c";    // 表, second byte \ (0x5C)
const std::string kKi = "\x83\x4c";     // キ, second byte L
const std::string kKu = "\x83\x4e";     // ク, second byte N
const std::string kTsu = "\x83\x62";    // ッ, second byte b
const std::string kChoon = "\x81\x5b";  // ー, second byte [

// The host's code page for the length of a test.
struct HostCodePage {
  explicit HostCodePage(CodePage code_page) { qb::set_host_code_page(code_page); }
  ~HostCodePage() { qb::set_host_code_page(CodePage::SingleByte); }
};

bool walk(const std::string &pattern, const std::string &name, CodePage code_page) {
  return qb::wildcard_full_match(name, qb::make_wildcard_program(pattern, code_page));
}

// Names of whole characters against letters, stars and question marks are
// traced through QB:SelectItem (japanese/select_item) and checked against a
// plain match below.  A star retried one character further never restarts
// inside one; a single-byte host still reads the same bytes one by one.
TEST(ShiftJisWildcard, WholeCharactersOnlyOnAJapaneseHost) {
  constexpr CodePage sjis = CodePage::ShiftJis;
  EXPECT_FALSE(walk(kOya, kShoku, sjis));
  EXPECT_FALSE(walk("*R", kMigi + kUde, sjis));
  EXPECT_FALSE(walk(kMigi + "*", kKage + "x", sjis));
  EXPECT_TRUE(walk("a*" + kBo, "A" + kKi + kBo, sjis));
  EXPECT_FALSE(walk("*L*", kKi + kKi, sjis));
  EXPECT_TRUE(walk(kOya, kShoku, CodePage::SingleByte));
  EXPECT_TRUE(walk("*R", kMigi + kUde, CodePage::SingleByte));
}

TEST(ShiftJisWildcard, OnlyBracesOfTheirOwnNeedTheEngine) {
  EXPECT_TRUE(qb::make_wildcard_program(kBo + kChoon, CodePage::ShiftJis).usable);
  EXPECT_FALSE(qb::make_wildcard_program(kBo + kChoon, CodePage::SingleByte).usable);
  EXPECT_FALSE(qb::make_wildcard_program(kBo + "{2}", CodePage::ShiftJis).usable);
}

// Random patterns and names over characters whose second bytes look like the
// letters, wildcards and braces around them: the walk must answer what a
// plain recursive match over whole characters answers.
std::vector<std::string> characters_of(const std::string &text) {
  std::vector<std::string> out;
  for (std::size_t i = 0; i < text.size();) {
    const std::size_t n = qb::char_length(CodePage::ShiftJis, text, i);
    out.push_back(text.substr(i, n));
    i += n;
  }
  return out;
}

bool reference(const std::vector<std::string> &p, std::size_t k, const std::vector<std::string> &n,
               std::size_t i) {
  if (k == p.size()) return i == n.size();
  if (p[k] == "*") return reference(p, k + 1, n, i) || (i < n.size() && reference(p, k, n, i + 1));
  if (i == n.size()) return false;
  const bool same = p[k] == "?" || p[k] == n[i] ||
                    (p[k].size() == 1 && n[i].size() == 1 &&
                     std::tolower(static_cast<unsigned char>(p[k][0])) ==
                         std::tolower(static_cast<unsigned char>(n[i][0])));
  return same && reference(p, k + 1, n, i + 1);
}

TEST(ShiftJisWildcard, WalkAgreesWithAMatchOverWholeCharacters) {
  const std::vector<std::string> alphabet = {"a", "L",  "l",  "r",    "*", "?",
                                             kKi, kUde, kOya, kShoku, kSo, "\x83"};
  std::mt19937 random(20261208);
  std::uniform_int_distribution<std::size_t> piece(0, alphabet.size() - 1), length(0, 6);
  auto text = [&](bool wildcards) {
    std::string t;
    for (std::size_t i = length(random); i > 0; --i) {
      const std::string &c = alphabet[piece(random)];
      if (wildcards || (c != "*" && c != "?")) t += c;
    }
    return t;
  };
  int matched = 0;
  for (int round = 0; round < 20000; ++round) {
    const std::string pattern = text(true);
    const std::string name = round % 4 == 0 ? pattern : text(false);
    const bool expected = reference(characters_of(pattern), 0, characters_of(name), 0);
    EXPECT_EQ(walk(pattern, name, CodePage::ShiftJis), expected) << pattern << " / " << name;
    matched += expected;
  }
  EXPECT_GT(matched, 2000);
}

TEST(ShiftJisWildcard, ConversionEscapesOnlyCharactersOfTheirOwn) {
  {
    HostCodePage japanese(CodePage::ShiftJis);
    EXPECT_EQ(qb::wildcard_to_regex_text(kSo + "*." + kBo + "?"), kSo + ".*\\." + kBo + ".");
  }
  EXPECT_EQ(qb::wildcard_to_regex_text(kSo), kSo + "\\");  // 0x83 then an escaped backslash
  EXPECT_EQ(qb::wildcard_to_regex_text("a.b*c?[x]\\"), "a\\.b.*c.\\[x\\]\\\\");
}

TEST(ShiftJisText, FindAndReplaceNeverSplitACharacter) {
  HostCodePage japanese(CodePage::ShiftJis);
  const std::string kick_l = kKi + kTsu + kKu + "_L";  // キック_L
  EXPECT_EQ(qb::find_text(CodePage::ShiftJis, kick_l, "L"), kick_l.size() - 1);
  EXPECT_EQ(qb::find_text(CodePage::ShiftJis, kick_l, "\x83"), std::string::npos);  // a lead byte alone
  EXPECT_EQ(qb::find_text(CodePage::ShiftJis, kick_l, ""), 0u);
  EXPECT_EQ(qb::find_text(CodePage::SingleByte, kick_l, "L"), 1u);

  qb::rename::RenameSettings settings;
  settings.search_text.assign("L");
  settings.replace_text.assign("R");
  EXPECT_EQ(qb::rename::compute_new_name(settings, kick_l), kick_l.substr(0, kick_l.size() - 1) + "R");
  settings.search_text.assign("");
  EXPECT_EQ(qb::rename::compute_new_name(settings, kick_l), "R" + kick_l);
}

TEST(ShiftJisText, PathsNamesAndLayersOfJapaneseFolders) {
  const std::string hyo_file = "C:\\objs\\" + kHyo + ".lwo";
  const std::string so_folder = "C:\\objs\\" + kSo;
  // The dot cannot be a second byte: the lead byte before it is a character
  // of its own, and the name ends in .lwo on either host.
  const std::string lead_then_dot = "C:\\objs\\x\x83.lwo";
  EXPECT_FALSE(qb::TextBuffer(hyo_file).is_lwo_path(qb::PathStyle::Windows));
  EXPECT_TRUE(qb::TextBuffer(lead_then_dot).is_lwo_path(qb::PathStyle::Windows));
  EXPECT_EQ(qb::trim_trailing_separators(so_folder), "C:\\objs\\\x83");

  HostCodePage japanese(CodePage::ShiftJis);
  EXPECT_TRUE(qb::TextBuffer(hyo_file).is_lwo_path(qb::PathStyle::Windows));
  EXPECT_TRUE(qb::TextBuffer(so_folder + "\\" + kHyo + ".lwo").is_lwo_path(qb::PathStyle::Windows));
  EXPECT_TRUE(qb::TextBuffer(lead_then_dot).is_lwo_path(qb::PathStyle::Windows));
  EXPECT_EQ(qb::trim_trailing_separators(so_folder), so_folder);
  EXPECT_EQ(qb::trim_trailing_separators(so_folder + "\\/"), so_folder);
  EXPECT_EQ(qb::trim_trailing_separators(kSo), kSo);
  EXPECT_EQ(qb::layer_name_of(kHyo + ":" + kSo + " (2)"), kSo);
  EXPECT_EQ(qb::rename::working_name(kSo + " (12)"), kSo);
}

// Second bytes that read alone as a letter or as a special character of the
// grammar.  ('$' cannot follow a lead byte: the two are characters of their
// own, checked in path_characters_test.cpp.)
std::string second_bytes() {
  std::string bytes = "{}[]\\|^";
  for (char c = 'A'; c <= 'Z'; ++c) bytes += {c, static_cast<char>(c - 'A' + 'a')};
  return bytes;
}

std::string jis(unsigned char lead, char second) { return {static_cast<char>(lead), second}; }

TEST(RegexShiftJis, EveryDoubleByteCharacterIsOneCharacter) {
  HostCodePage japanese(CodePage::ShiftJis);
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

// The rename tool's regular-expression mode: a repeat after ソ (second byte
// '\') repeats the whole character.  An English host reads the same bytes one
// by one, as it always has.  (Replacing ボ, ソ, L and "^." over whole
// characters is traced in japanese/rename_regex.)
TEST(RegexShiftJis, RenamePatternsReadWholeCharactersOnlyOnAJapaneseHost) {
  qb::rename::RenameSettings settings;
  settings.mode = qb::rename::Mode::kRegex;
  settings.pattern_replace_text = qb::TextBuffer("X");
  {
    HostCodePage japanese(CodePage::ShiftJis);
    settings.pattern_text = qb::TextBuffer(kSo + "+");
    EXPECT_EQ(qb::rename::compute_new_name(settings, kSo + kSo + "_L"), "X_L");
  }
  EXPECT_THROW(qb::compile_regex(kBo), std::regex_error);
  settings.pattern_text = qb::TextBuffer("^.");
  EXPECT_EQ(qb::rename::compute_new_name(settings, kKi + kTsu), "X\x4c" + kTsu);
}

#ifndef _WIN32
// A folder named 表 holding ソ.lwo, both in Shift-JIS bytes as a Japanese
// system names them: listed, and replaced from, through the stand-in host.
TEST(ShiftJisFolders, TheObjectReplacerFindsFilesInAJapaneseFolder) {
  HostCodePage japanese(CodePage::ShiftJis);
  qbtest::TestFolder folder("qb_sjis");
  std::filesystem::create_directory(folder.path / kHyo);
  using namespace lwo_bytes;
  folder.write(
      kHyo + "/" + kSo + ".lwo",
      lwo2(concat({chunk("LAYR", layer_data(0, "Body")), chunk("LAYR", layer_data(1, kSo + kChoon))})));
  const std::string listed = folder.path.string() + "/" + kHyo + "/" + kSo + ".lwo";
  EXPECT_EQ(qb::list_files(folder.path.string() + "/" + kHyo + "\\"), std::vector<std::string>{listed});

  std::ostringstream trace;
  qbhost::Host host;
  host.set_trace(&trace);
  std::string error;
  ASSERT_TRUE(host.attach_module(&_mod_descrip, error)) << error;
  // The script is UTF-8; the host hands its texts to the module in Shift-JIS.
  const std::string script =
      "locale 1041\n"
      "mesh \"Car:ソー\" Objects/Car.lwo\n"
      "select \"Car:ソー\"\n"
      "activate QB:ObjectReplacer\n"
      "set 2 1\n"
      "set 4 \"" +
      folder.path.string() +
      "/表\\\\\"\n"
      "press 6\n"
      "print panel Result\n"
      "close\n";
  ASSERT_EQ(host.run_script(script, "japanese_folder", error), qbhost::RunStatus::Ok) << error;
  const std::string shown = folder.path.string() + "/表/ソ.lwo";
  EXPECT_NE(trace.str().find("cmd ok ReplaceObjectLayer 2 " + shown + "\n"), std::string::npos)
      << trace.str();
  EXPECT_NE(trace.str().find("\"" + shown + "\" \"o\""), std::string::npos) << trace.str();
}
#endif

}  // namespace
