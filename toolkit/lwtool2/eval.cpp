// Second layer: every refused command is reported in the status line and the
// caller goes on; only an empty command text stops the work.
#include "toolkit/lwtool2/eval.h"

#include <cstdarg>
#include <cstdio>
#include <string>

#include "toolkit/base/exceptions.h"
#include "toolkit/lwtool2/services.h"
#include "toolkit/text/format.h"

namespace lwtool2 {
namespace {

constexpr std::size_t kCommandLimit = 511;  // bytes of text in a 512-byte buffer

qb::CommandPort command_function() { return services().command; }

void report_refused(const std::string &command) {
  status_error(qb::format_message("eval( \"%s\" ) !(%d)", command.c_str(), 0));
}

// The whole formatted text, whatever its length; false on a formatting error.
bool format_whole(std::string &out, const char *format, va_list args) {
  va_list measure;
  va_copy(measure, args);
  int needed = std::vsnprintf(nullptr, 0, format, measure);
  va_end(measure);
  if (needed < 0) return false;
  out.assign(static_cast<std::size_t>(needed) + 1, '\0');
  std::vsnprintf(out.data(), out.size(), format, args);
  out.resize(static_cast<std::size_t>(needed));
  return true;
}

}  // namespace

void status_error(const std::string &text) {
  if (const qb::CommandPort evaluate = command_function())
    evaluate(("StatusMsg *** ERROR: " + text + " ***").c_str());
}

bool eval(const std::string &command) {
  if (command.empty()) {
    const std::string message = "eval( \"\" )";
    status_error(message);
    throw lw::ex::CEvalEx(0, message);
  }
  const qb::CommandPort evaluate = command_function();
  if (evaluate && evaluate(command.c_str()) != 0) return false;
  report_refused(command);
  return true;
}

bool evalf(const char *format, ...) {
  va_list args;
  va_start(args, format);
  std::string command;
  bool formatted = format_whole(command, format, args);
  va_end(args);
  if (!formatted) command.clear();
  // A command cut to fit the buffer would act on the wrong text (a shortened
  // path or name): refuse it, as the host refuses a bad command.
  if (command.size() > kCommandLimit) {
    report_refused(command);
    return true;
  }
  eval(command);
  return true;
}

void status_progress(float fraction, const char *format, ...) {
  va_list args;
  va_start(args, format);
  std::string message = qb::vformat_message(format, args);
  va_end(args);
  // A status line may be cut; it still says what is going on.
  eval(qb::format_message("StatusMsg {%.2f}%s", static_cast<double>(fraction), message.c_str()));
}

}  // namespace lwtool2
