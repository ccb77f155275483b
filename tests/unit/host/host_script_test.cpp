// The script language: words, numbers, scene statements, errors, and the
// texts printed in the trace.
#include <gtest/gtest.h>

#include <sstream>

#include "host/core/host.h"
#include "host/core/text.h"
#include "host/script/script_words.h"

using namespace qbhost;

namespace {

std::vector<std::string> texts(std::string_view line) {
  std::vector<Word> words;
  std::string error;
  EXPECT_TRUE(split_words(line, words, error)) << error;
  std::vector<std::string> out;
  for (const Word &word : words) out.push_back(word.text);
  return out;
}

TEST(HostScriptWords, BlanksQuotesEscapesAndOptions) {
  EXPECT_EQ(texts("  mesh\tCube  "), (std::vector<std::string>{"mesh", "Cube"}));
  EXPECT_EQ(texts(R"(null "Key Light" "a \"b\" \\ c" "")"),
            (std::vector<std::string>{"null", "Key Light", R"(a "b" \ c)", ""}));
  EXPECT_EQ(texts(R"(x parent="My Null" a\b)"), (std::vector<std::string>{"x", "parent=My Null", R"(a\b)"}));
  std::vector<Word> words;
  std::string error;
  EXPECT_FALSE(split_words(R"(null "ends in \")", words, error));
  // Options are written outside quotes; a quoted value is still one.
  ASSERT_TRUE(split_words(R"(parent=0x10 "parent=x" parent="0x10" hidden "hidden")", words, error));
  EXPECT_TRUE(words[0].is_option("parent"));
  EXPECT_TRUE(words[0].option_value_plain("parent"));
  EXPECT_FALSE(words[1].is_option("parent"));
  EXPECT_TRUE(words[2].is_option("parent"));
  EXPECT_FALSE(words[2].option_value_plain("parent"));
  EXPECT_TRUE(words[3].is_plain());
  EXPECT_FALSE(words[4].is_plain());
}

TEST(HostScriptWords, Numbers) {
  long long value = 0;
  EXPECT_TRUE(parse_number("1041", value));
  EXPECT_EQ(value, 1041);
  EXPECT_TRUE(parse_number("0x411", value));
  EXPECT_EQ(value, 0x411);
  EXPECT_TRUE(parse_number("-3", value));
  EXPECT_EQ(value, -3);
  for (const char *bad : {"", "0x", "12a", "-", "--1", "1 ", "0x-1", "99999999999999999999"})
    EXPECT_FALSE(parse_number(bad, value)) << bad;
}

// Shift-JIS names printed decoded or as \xNN are in the trace host/japanese_texts.
TEST(HostText, PrintableBytes) {
  EXPECT_EQ(printable("\x03(i)\x7f\xff", TextCode::Plain), "\\x03(i)\\x7F\\xFF");
  // "テスト" in Shift-JIS, then a half-width katakana and a broken lead byte.
  const std::string sjis = "\x83\x65\x83\x58\x83\x67\xB1\x81";
  EXPECT_EQ(printable(sjis, TextCode::ShiftJis), "テストｱ\\x81");
  EXPECT_EQ(printable(sjis, TextCode::Plain), "\\x83e\\x83X\\x83g\\xB1\\x81");
  EXPECT_EQ(quoted("a\"b\\c\x01", TextCode::Plain), "\"a\\\"b\\\\c\\x01\"");
  std::string converted;
  ASSERT_TRUE(to_host_text("テスト", TextCode::Plain, converted));
  EXPECT_EQ(converted, "テスト");
  ASSERT_TRUE(to_host_text("テスト", TextCode::Utf8, converted));
  EXPECT_EQ(converted, "テスト");
  EXPECT_FALSE(to_host_text("\xF0\x9F\x98\x80", TextCode::ShiftJis, converted));  // no Shift-JIS form
}

// UTF-8 texts of the 2020 generation: well-formed sequences as they are, any
// other byte (a lone continuation, a cut sequence, an overlong form, a
// surrogate, past U+10FFFF) as \xNN.
TEST(HostText, PrintableUtf8) {
  const struct {
    std::string bytes, shown;
  } cases[] = {
      {"キック_L", "キック_L"},
      {"\xF0\x9F\x98\x80", "\xF0\x9F\x98\x80"},
      {"\x80"
       "a",
       "\\x80a"},
      {"\xE3\x82", "\\xE3\\x82"},
      {"\xC0\xAF", "\\xC0\\xAF"},
      {"\xED\xA0\x80", "\\xED\\xA0\\x80"},
      {"\xF4\x90\x80\x80", "\\xF4\\x90\\x80\\x80"},
      {"\x83\x65", "\\x83e"},
  };
  for (const auto &c : cases) EXPECT_EQ(printable(c.bytes, TextCode::Utf8), c.shown) << c.shown;
}

struct HostScripts : ::testing::Test {
  Host host;
  std::ostringstream trace;
  std::string error;
  void SetUp() override { host.set_trace(&trace); }
  RunStatus run(const std::string &text) { return host.run_script(text, "s.qbs", error); }
};

// What the trace host/script_language does not show: a bone without parent=
// belongs to the latest object, and a hidden null.
TEST_F(HostScripts, SceneStatements) {
  ASSERT_EQ(run("mesh Cube\nnull \"My Null\" parent=Cube hidden inactive\nbone Root\nbone Tip parent=Root\n"
                "bone Lone parent=Cube\n"),
            RunStatus::Ok)
      << error;
  const Item &null = *host.scene().item(0x10000001u);
  EXPECT_EQ(null.display, 0);
  EXPECT_FALSE(null.active);
  EXPECT_EQ(host.scene().item(0x40000001u)->name, "Root");
  EXPECT_EQ(host.scene().item(0x40010001u)->parent, 0x40000001u);  // Tip follows Root's object
  EXPECT_EQ(host.scene().item(0x40000000u)->name, "Lone");
}

TEST_F(HostScripts, ErrorsNameFileAndLine) {
  struct Case {
    std::string script, message;
  };
  const Case cases[] = {
      {"mesh\n", "s.qbs:1: usage: mesh NAME [FILE] [options]"},
      {"null A B\n", "s.qbs:1: usage: null NAME [options]"},
      {"null A parent=0x10000005\n", "s.qbs:1: no item 0x10000005"},
      {"null A display=8\n", "s.qbs:1: display must be from 0 to 7"},
      {"light A display=2\n", "s.qbs:1: display must be from 0 to 1"},
      {"light A layer=1\n", "s.qbs:1: only objects have a layer"},
      {"bone A\n", "s.qbs:1: a bone needs an object to belong to; there is none yet"},
      {"light L\nbone A parent=L\n", "s.qbs:2: a bone's parent must be an object or a bone"},
      {"locale x\n", "s.qbs:1: locale must be a number, not 'x'"},
      {"parent-in-place maybe\n", "s.qbs:1: usage: parent-in-place on|off"},
      {"trace lookups\n", "s.qbs:1: usage: trace lookups on|off"},
      {"print\n", "s.qbs:1: usage: print selection|scene|panel [TITLE]|control N... [FIELD...]|status"},
      {"print panel\n", "s.qbs:1: no panel is open"},
      {"print panel Nope\n", "s.qbs:1: no panel titled \"Nope\""},
      {"press 1\n", "s.qbs:1: no panel is open"},
      {"set 0 1\n", "s.qbs:1: the control number must be from 1 to 2147483647"},
      {"activate\n", "s.qbs:1: usage: activate SERVER [TEXT]"},
      {"\"null\" A\n", "s.qbs:1: unknown statement 'null'"},
      {"load /nonexistent/x.lws\n", ""},
      {"locale 1041\nnull \xF0\x9F\x98\x80\n", ""},  // a name with no Shift-JIS form
  };
  for (const Case &c : cases) {
    Host fresh;
    std::ostringstream out;
    fresh.set_trace(&out);
    std::string message;
    EXPECT_EQ(fresh.run_script(c.script + "echo not reached\n", "s.qbs", message), RunStatus::ScriptError)
        << c.script;
    if (!c.message.empty()) {
      EXPECT_EQ(message, c.message) << c.script;
    }
    EXPECT_EQ(out.str(), "") << c.script;
  }
}

TEST_F(HostScripts, ErrorKeepsTheTraceSoFarAndChangesNothingMore) {
  EXPECT_EQ(run("echo one\nnull A\nnull B parent=Missing\nnull C\n"), RunStatus::ScriptError);
  EXPECT_EQ(error, "s.qbs:3: no item named 'Missing'");
  EXPECT_EQ(trace.str(), "one\n");
  EXPECT_EQ(host.scene().size(), 1u);
}

TEST_F(HostScripts, EchoIsVerbatimAndCarriageReturnsAreDropped) {
  ASSERT_EQ(run("echo  two  blanks \"q\" \\x\r\necho\necho #not a comment\n"), RunStatus::Ok) << error;
  EXPECT_EQ(trace.str(), " two  blanks \"q\" \\x\n\n#not a comment\n");
}

TEST_F(HostScripts, ActivateWithoutAModuleIsAModuleError) {
  EXPECT_EQ(run("activate QB:SelectItem x\n"), RunStatus::ModuleError);
  EXPECT_EQ(error, "s.qbs:1: no module");
}

}  // namespace
