// Second library layer: command evaluation with errors in the status line.
#pragma once

#include <string>

namespace lwtool2 {

// Evaluates one command; answers true when it FAILED.  An empty text shows
// "eval( \"\" )" as an error and raises lw::ex::CEvalEx.  A refused command
// shows "eval( \"CMD\" ) !(0)" as an error and the caller goes on.
bool eval(const std::string &command);

// Formats, then eval; always answers true.  A command longer than 511 bytes
// is not sent (a cut command would act on the wrong text): it is reported as
// refused, like a command the host refuses.
bool evalf(const char *format, ...) __attribute__((format(printf, 1, 2)));

// "StatusMsg {%.2f}%s" with the fraction and the formatted message, cut to
// 511 bytes when longer.
void status_progress(float fraction, const char *format, ...) __attribute__((format(printf, 2, 3)));

// "StatusMsg *** ERROR: " + text + " ***", straight to the command function.
void status_error(const std::string &text);

}  // namespace lwtool2
