// The one sender: a command goes whole or not at all, a status message is
// shortened at a character boundary of the running code page, and a refused
// command is reported or not as the caller says.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "toolkit/base/send.h"
#include "toolkit/text/code_page.h"

namespace {

using qb::CodePage;
using qb::OnRefusal;
using Commands = std::vector<std::string>;

Commands g_sent;
bool g_refuse = false;

int host_command(const char *text) {
  g_sent.emplace_back(text);
  return g_refuse ? 0 : 1;
}

enum class Send { kCommand, kStatus };

struct Case {
  const char *what;
  CodePage code_page;
  Send send;
  std::string text;
  OnRefusal on_refusal;
  bool refused;  // by the host
  Commands expected;
  bool done() const { return !refused && expected.front().rfind("StatusMsg *** ERROR: a command", 0) != 0; }
};

const std::string kSjisKi = "\x83\x4C";      // キ in Shift-JIS
const std::string kUtf8Ki = "\xE3\x82\xAD";  // キ in UTF-8
const std::string k500(500, 'a');
const std::string kLongRename = "Rename " + std::string(470, 'n');  // its report does not fit

std::string a(std::size_t n) { return std::string(n, 'a'); }

// One case a row, its columns in the order of Case.
// clang-format off
const Case kCases[] = {
    {"511 bytes go whole", CodePage::SingleByte, Send::kCommand, "Rename " + std::string(504, 'n'),
     OnRefusal::kReport, false, {"Rename " + std::string(504, 'n')}},
    {"512 bytes are not sent", CodePage::SingleByte, Send::kCommand, "Rename " + std::string(505, 'n'),
     OnRefusal::kStayQuiet, false,
     {"StatusMsg *** ERROR: a command of 512 bytes is longer than 511 and was not sent ***"}},
    {"a status line of 511 bytes goes whole", CodePage::SingleByte, Send::kStatus, a(501), OnRefusal::kReport,
     false, {"StatusMsg " + a(501)}},
    {"a status line of 512 bytes loses its last", CodePage::SingleByte, Send::kStatus, a(502),
     OnRefusal::kReport, false, {"StatusMsg " + a(501)}},
    {"a Shift-JIS character that ends at 511 stays", CodePage::ShiftJis, Send::kStatus, a(499) + kSjisKi,
     OnRefusal::kReport, false, {"StatusMsg " + a(499) + kSjisKi}},
    {"a Shift-JIS character across 511 goes whole", CodePage::ShiftJis, Send::kStatus, k500 + kSjisKi,
     OnRefusal::kReport, false, {"StatusMsg " + k500}},
    {"a UTF-8 character that ends at 511 stays", CodePage::Utf8, Send::kStatus, a(498) + kUtf8Ki,
     OnRefusal::kReport, false, {"StatusMsg " + a(498) + kUtf8Ki}},
    {"a UTF-8 character across 511 goes whole", CodePage::Utf8, Send::kStatus, a(499) + kUtf8Ki + "z",
     OnRefusal::kReport, false, {"StatusMsg " + a(499)}},
    {"a refused command reported", CodePage::SingleByte, Send::kCommand, "SelectItem 0x0", OnRefusal::kReport,
     true, {"SelectItem 0x0", "StatusMsg *** ERROR: eval( \"SelectItem 0x0\" ) !(0) ***"}},
    {"a refused command kept quiet", CodePage::SingleByte, Send::kCommand, "SelectItem 0x0",
     OnRefusal::kStayQuiet, true, {"SelectItem 0x0"}},
    {"a refused report is not reported again", CodePage::SingleByte, Send::kStatus, "{1.00}Done(2).",
     OnRefusal::kReport, true,
     {"StatusMsg {1.00}Done(2).", "StatusMsg *** ERROR: eval( \"StatusMsg {1.00}Done(2).\" ) !(0) ***"}},
    {"the report of a long refused command is shortened", CodePage::SingleByte, Send::kCommand, kLongRename,
     OnRefusal::kReport, true,
     {kLongRename, ("StatusMsg *** ERROR: eval( \"" + kLongRename + "\" ) !(0) ***").substr(0, 511)}},
};

TEST(Send, WholeOrNotAtAllAndStatusLinesShortenedByCharacters) {
  const qb::CommandPort port{&host_command, nullptr};
  for (const Case &c : kCases) {
    SCOPED_TRACE(c.what);
    g_sent.clear();
    g_refuse = c.refused;
    qb::set_host_code_page(c.code_page);
    const bool done = c.send == Send::kCommand ? qb::send_command(port, c.text, c.on_refusal)
                                               : qb::send_status(port, c.text, c.on_refusal);
    qb::set_host_code_page(CodePage::SingleByte);
    EXPECT_EQ(g_sent, c.expected);
    EXPECT_EQ(done, c.done());
  }
}

TEST(Send, NothingGoesThroughANullPort) {
  g_sent.clear();
  EXPECT_FALSE(qb::send_command({}, "RefreshNow", OnRefusal::kReport));
  EXPECT_FALSE(qb::send_status({}, "hello", OnRefusal::kReport));
  EXPECT_TRUE(g_sent.empty());
}

}  // namespace
