// The script runner: one statement per line, run in order; a modal panel
// that the module opens takes the following statements until it closes.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "host/core/host.h"

namespace qbhost {

struct HostState;

struct ScriptContext {
  std::string name;  // for "NAME:LINE: message"
  std::vector<std::string> lines;
  std::size_t next = 0;         // index of the next line to run
  std::size_t line_number = 0;  // of the statement being run (1-based)
  bool stopped = false;
  RunStatus status = RunStatus::Ok;
  std::string error;
};

RunStatus run_script(HostState &host, std::string_view text, const std::string &name, std::string &error);

}  // namespace qbhost
