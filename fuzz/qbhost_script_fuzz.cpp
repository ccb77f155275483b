// The whole module inside the stand-in host, driven by arbitrary scripts: scene
// statements, activations of every tool with any argument text, and what a
// user does on their panels.  Nothing may crash or leak out as an exception,
// and a script either runs to its end or stops with "NAME:LINE: message".
//
// Lines that could touch the file system beyond reading are dropped: the
// scene statements load and save, and any line with a '/' (so no path leaves
// the working folder, and no device is opened).
#include <cstdint>
#include <string>
#include <string_view>

#include "fuzz/fuzz_check.h"
#include "host/core/host.h"
#include "plugin/frame.h"

namespace {

using qb_fuzz::check;

bool harmless(std::string_view line) {
  return line.find('/') == std::string_view::npos && line.find("save") == std::string_view::npos &&
         line.find("load") == std::string_view::npos;
}

std::string harmless_lines(std::string_view text) {
  std::string script;
  while (!text.empty()) {
    const std::size_t end = text.find('\n');
    const std::string_view line = text.substr(0, end);
    // Dropped lines become blank ones, so line numbers stay those of the input.
    if (harmless(line)) script.append(line);
    script.push_back('\n');
    text.remove_prefix(end == std::string_view::npos ? text.size() : end + 1);
  }
  return script;
}

// One host for the whole run, with the module attached once: the module is
// linked into this process, so its module-wide state (tool settings, panels
// it keeps) lives as long as the process, just as it lives as long as the
// loaded library in Layout.  A host per input would leave that state pointing
// at the panels of a host already gone.  Scene and settings start afresh for
// every input; "unload" never runs (the line filter drops it with "load").
qbhost::Host &the_host() {
  static qbhost::Host *host = [] {
    auto *made = new qbhost::Host;
    made->set_trace(nullptr);
    std::string error;
    check(made->attach_module(&_mod_descrip, error), "the module does not attach");
    return made;
  }();
  return *host;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, std::size_t size) {
  const std::string script = harmless_lines(std::string_view(reinterpret_cast<const char *>(data), size));
  qbhost::Host &host = the_host();
  host.scene().clear();
  host.settings() = qbhost::HostSettings{};
  std::string error;
  const qbhost::RunStatus status = host.run_script(script, "fuzz", error);
  if (status == qbhost::RunStatus::Ok) {
    check(error.empty(), "a script that ran to its end with an error");
  } else {
    check(error.rfind("fuzz:", 0) == 0, "a script error without its line");
  }
  return 0;
}
