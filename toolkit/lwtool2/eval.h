// Second library layer: commands through the one sender
// (toolkit/base/send.h), with every refused command reported in the status
// line ("*** ERROR: eval( \"CMD\" ) !(0) ***") and the caller going on; only an
// empty command text stops the work.
#pragma once

#include <string>

namespace lwtool2 {

// Evaluates one command; answers true when it FAILED (refused, too long for
// the host's buffer, or no command function).  An empty text shows
// "eval( \"\" )" as an error and raises lw::ex::CEvalEx.
bool eval(const std::string &command);

// Formats the whole text, then eval; always answers true.
bool evalf(const char *format, ...) __attribute__((format(printf, 1, 2)));

// "StatusMsg {%.2f}%s" with the fraction and the formatted message, through
// eval (a refused one is reported); a message too long for the buffer is
// shortened at a character boundary.
void status_progress(float fraction, const char *format, ...) __attribute__((format(printf, 2, 3)));

// "StatusMsg *** ERROR: " + text + " ***", shortened like any status line; a
// refused one is not reported, so an error report never raises another.
void status_error(const std::string &text);

}  // namespace lwtool2
