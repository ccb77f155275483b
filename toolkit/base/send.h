// The one way a command text reaches the host.  A command goes whole or not
// at all: a text composed for the host's 512-byte command buffer that does
// not fit it would reach the host cut (another item, a shortened name), so it
// is not sent and the status line says so.  "ReplaceObjectLayer" is composed
// without that buffer and names a path of any length a panel field can hold:
// it goes whole whatever its length (CommandLength::kAnyLength).  A status-line
// message loses nothing by being shortened, so one too long for the buffer is
// cut at the last whole character of the running code page that fits.
// Whether a command the host refuses is reported is the caller's choice,
// stated at every call.
#pragma once

#include <cstddef>
#include <string_view>

#include "toolkit/base/host_interface.h"

namespace qb {

// Bytes of command text the host's 512-byte command buffer holds.
inline constexpr std::size_t kCommandTextLimit = 511;

// What happens when the host answers 0 for a command: a line
// "*** ERROR: eval( \"COMMAND\" ) !(0) ***" in the status line, or nothing.
// A refused report is never reported in turn.
enum class OnRefusal { kReport, kStayQuiet };

// Which texts the sender takes: those that fit the command buffer (every
// command but one), or any length (the object replacer's path).
enum class CommandLength { kFitsBuffer, kAnyLength };

constexpr bool fits_command_buffer(std::string_view command) noexcept {
  return command.size() <= kCommandTextLimit;
}

// Sends `command` through `port` when it fits the buffer (or `length` takes
// any); answers whether the host carried it out.  A command that does not fit
// is not sent and
// "*** ERROR: a command of N bytes is longer than 511 and was not sent ***"
// goes to the status line instead (whatever `on_refusal` says).  Nothing is
// sent through a null port.
bool send_command(CommandPort port, std::string_view command, OnRefusal on_refusal,
                  CommandLength length = CommandLength::kFitsBuffer);

// "StatusMsg " followed by `message`, shortened to fit the buffer without
// splitting a character of host_code_page().
bool send_status(CommandPort port, std::string_view message, OnRefusal on_refusal);

}  // namespace qb
