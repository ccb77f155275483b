// Exceptions stop at the module boundary; the user learns of them through the
// status line, the only place the module shows messages.
#include "toolkit/guard.h"

#include <string>

#include "toolkit/base/exceptions.h"
#include "toolkit/base/host_interface.h"
#include "toolkit/base/send.h"

namespace qb {
namespace {

// What went wrong, in words; false when the exception has shown itself.
bool describe(std::exception_ptr error, std::string &what) {
  try {
    std::rethrow_exception(error);
  } catch (const lw::ex::CBaseEx &) {
    return false;
  } catch (const std::exception &e) {
    what = e.what();
  } catch (...) {
    what = "unknown exception";
  }
  return true;
}

}  // namespace

void report_exception(std::exception_ptr error) noexcept {
  if (!error) return;
  try {
    std::string what;
    if (!describe(error, what)) return;
    send_status(current_command_port(), "*** ERROR: " + what + " ***", OnRefusal::kStayQuiet);
  } catch (...) {
    // Reporting must not fail in turn; the activation still ends with 2.
  }
}

}  // namespace qb
