// First layer: commands go to the host and their results are not looked at.
#include "toolkit/command.h"

#include "toolkit/services.h"

namespace qb {
namespace {

constexpr std::size_t kCommandLimit = 511;  // bytes of text the host's 512-byte command buffer holds

CommandPort command_function() { return service_table().command; }

}  // namespace

void run_command(const std::string &command) {
  const CommandPort evaluate = command_function();
  if (!evaluate) return;
  // The host would cut a longer text and act on what is left (another item,
  // a shortened name): it is not sent, and the status line says why.
  if (command.size() > kCommandLimit) {
    evaluate(("StatusMsg {1.0} *** ERROR: a command of " + std::to_string(command.size()) +
              " bytes is longer than 511 and was not sent ***")
                 .c_str());
    return;
  }
  evaluate(command.c_str());
}

void status_text(const std::string &text) {
  if (!command_function()) return;
  run_command("StatusMsg {1.0} " + text);
}

}  // namespace qb
