#include "toolkit/command.h"

#include "toolkit/base/send.h"
#include "toolkit/services.h"

namespace qb {

void run_command(const std::string &command) {
  send_command(service_table().command, command, OnRefusal::kStayQuiet);
}

void status_text(const std::string &text) {
  send_status(service_table().command, "{1.0} " + text, OnRefusal::kStayQuiet);
}

}  // namespace qb
