// The boundary between the module and the host: no exception may cross it.
// Every activation and every panel callback runs its body through guarded().
#pragma once

#include <exception>
#include <utility>

namespace qb {

// Shows the message of a caught exception in the status line (a
// lw::ex::CBaseEx has shown its own already).
void report_exception(std::exception_ptr error) noexcept;

// Runs body(); answers true when it finished, false when it threw (after
// reporting).  Callers end an activation with 2 when it answers false.
template <class Body>
bool guarded(Body &&body) noexcept {
  try {
    std::forward<Body>(body)();
    return true;
  } catch (...) {
    report_exception(std::current_exception());
    return false;
  }
}

}  // namespace qb
