#include "toolkit/base/send.h"

#include <string>

#include "toolkit/text/code_page.h"

namespace qb {
namespace {

constexpr std::string_view kStatusCommand = "StatusMsg ";

// The longest start of `text` of at most `limit` bytes that ends between two
// characters: a Shift-JIS or UTF-8 character that the limit would split is
// left out whole.
std::string_view whole_characters(std::string_view text, std::size_t limit) {
  if (text.size() <= limit) return text;
  const CodePage code_page = host_code_page();
  std::size_t end = 0;
  while (end < text.size()) {
    const std::size_t next = end + char_length(code_page, text, end);
    if (next > limit) break;
    end = next;
  }
  return text.substr(0, end);
}

void report_refusal(CommandPort port, std::string_view command) {
  std::string report = "*** ERROR: eval( \"";
  report.append(command).append("\" ) !(0) ***");
  send_status(port, report, OnRefusal::kStayQuiet);
}

}  // namespace

bool send_command(CommandPort port, std::string_view command, OnRefusal on_refusal, CommandLength length) {
  if (!port) return false;
  if (length == CommandLength::kFitsBuffer && !fits_command_buffer(command)) {
    send_status(port,
                "*** ERROR: a command of " + std::to_string(command.size()) +
                    " bytes is longer than 511 and was not sent ***",
                OnRefusal::kStayQuiet);
    return false;
  }
  // The host takes a terminated text; a view need not be one.
  const std::string text(command);
  const bool done = port(text.c_str()) != 0;
  if (!done && on_refusal == OnRefusal::kReport) report_refusal(port, text);
  return done;
}

bool send_status(CommandPort port, std::string_view message, OnRefusal on_refusal) {
  std::string command(kStatusCommand);
  command.append(whole_characters(message, kCommandTextLimit - kStatusCommand.size()));
  return send_command(port, command, on_refusal);
}

}  // namespace qb
