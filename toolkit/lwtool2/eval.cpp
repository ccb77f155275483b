#include "toolkit/lwtool2/eval.h"

#include <cstdarg>
#include <cstdio>
#include <string>

#include "toolkit/base/exceptions.h"
#include "toolkit/base/send.h"
#include "toolkit/lwtool2/services.h"

namespace lwtool2 {
namespace {

// The whole formatted text, whatever its length; empty on a formatting error.
std::string format_whole(const char *format, va_list args) {
  va_list measure;
  va_copy(measure, args);
  const int needed = std::vsnprintf(nullptr, 0, format, measure);
  va_end(measure);
  if (needed < 0) return std::string();
  std::string out(static_cast<std::size_t>(needed) + 1, '\0');
  std::vsnprintf(out.data(), out.size(), format, args);
  out.resize(static_cast<std::size_t>(needed));
  return out;
}

}  // namespace

void status_error(const std::string &text) {
  qb::send_status(services().command, "*** ERROR: " + text + " ***", qb::OnRefusal::kStayQuiet);
}

bool eval(const std::string &command) {
  if (command.empty()) {
    const std::string message = "eval( \"\" )";
    status_error(message);
    throw lw::ex::CEvalEx(0, message);
  }
  return !qb::send_command(services().command, command, qb::OnRefusal::kReport);
}

bool evalf(const char *format, ...) {
  va_list args;
  va_start(args, format);
  const std::string command = format_whole(format, args);
  va_end(args);
  eval(command);
  return true;
}

void status_progress(float fraction, const char *format, ...) {
  va_list args;
  va_start(args, format);
  const std::string message = format_whole(format, args);
  va_end(args);
  char progress[32];
  std::snprintf(progress, sizeof progress, "{%.2f}", static_cast<double>(fraction));
  qb::send_status(services().command, progress + message, qb::OnRefusal::kReport);
}

}  // namespace lwtool2
