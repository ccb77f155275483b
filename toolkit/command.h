// First library layer: sending commands.  Results are ignored and nothing is
// reported; nothing is sent when the host gave no command function.
#pragma once

#include <string>

namespace qb {

void run_command(const std::string &command);

// "StatusMsg {1.0} " followed by the text.
void status_text(const std::string &text);

}  // namespace qb
