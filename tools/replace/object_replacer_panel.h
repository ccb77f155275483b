// The object replacer's non-blocking panel and the settings it keeps between
// activations.
#pragma once

#include <cstdint>
#include <string>

#include "abi/host_api.h"
#include "toolkit/tool_state.h"
#include "tools/replace/replace_run.h"

namespace qb::replace {

// The one record is tool_state<ObjectReplacerState>().
struct ObjectReplacerState {
  std::string title;
  LWPanelID panel = nullptr;
  LWControl *border_control = nullptr;
  LWControl *run_control = nullptr;
  LWControl *scope_control = nullptr;
  LWControl *mode_control = nullptr;
  LWControl *file_control = nullptr;
  LWControl *directory_control = nullptr;
  Scope scope = Scope::kSelection;
  Mode mode = Mode::kFile;
  std::string file_path;
  std::string directory_path;
};

}  // namespace qb::replace
