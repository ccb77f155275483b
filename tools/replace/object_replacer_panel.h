// The object replacer's non-blocking panel and the settings it keeps between
// activations.
#pragma once

#include <cstdint>
#include <string>

#include "abi/host_api.h"

namespace qb {

struct ObjectReplacerState {
  std::string title;
  LWPanelID panel = nullptr;
  LWControl *border_control = nullptr;
  LWControl *run_control = nullptr;
  LWControl *scope_control = nullptr;
  LWControl *mode_control = nullptr;
  LWControl *file_control = nullptr;
  LWControl *directory_control = nullptr;
  int32_t scope = 0;
  int32_t mode = 0;
  std::string file_path;
  std::string directory_path;
};

// Created at first use; lives until the module is unloaded, and then forgets
// its panel without destroying it (the host owns panels at that point).
ObjectReplacerState &object_replacer_state();

// Null before the first activation.
const ObjectReplacerState *existing_object_replacer_state();

// Forgets the state (unit tests that run several hosts in one process).
void reset_object_replacer_state();

}  // namespace qb
