// First library layer: sending commands.  Results are ignored and a refused
// command is not reported; nothing is sent when the host gave no command
// function.  A text longer than 511 bytes is never sent (the host would cut
// it): the status line says so instead.
#pragma once

#include <string>

namespace qb {

void run_command(const std::string &command);

// "StatusMsg {1.0} " followed by the text.
void status_text(const std::string &text);

}  // namespace qb
