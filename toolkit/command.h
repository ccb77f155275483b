// First library layer: sending commands, through the one sender
// (toolkit/base/send.h).  This layer never looks at a command's result and
// never reports a refused command; nothing is sent when the host gave no
// command function.  A command longer than the host's buffer is not sent
// (the status line says so), and a status text is shortened to fit.
#pragma once

#include <string>

namespace qb {

void run_command(const std::string &command);

// "StatusMsg {1.0} " followed by the text.
void status_text(const std::string &text);

}  // namespace qb
