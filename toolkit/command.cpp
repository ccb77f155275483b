// First layer: commands go to the host and their results are not looked at.
#include "toolkit/command.h"

#include "toolkit/services.h"

namespace qb {
namespace {

LWCommandFunc *command_function() { return service_table().command; }

}  // namespace

void run_command(const std::string &command) {
  if (LWCommandFunc *evaluate = command_function()) evaluate(command.c_str());
}

void status_text(const std::string &text) {
  if (command_function() == nullptr) return;
  run_command("StatusMsg {1.0} " + text);
}

}  // namespace qb
