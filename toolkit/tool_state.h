// A panel tool's state: one record per tool, made at the first activation
// that asks for it and kept until the module is unloaded, so that a panel and
// its settings outlive every activation.  At unload the record only forgets
// its panel: the host owns panels by then.
#pragma once

#include <memory>

namespace qb {

template <class State>
std::unique_ptr<State> &tool_state_slot() {
  static std::unique_ptr<State> slot;
  return slot;
}

// The record, made on first use.
template <class State>
State &tool_state() {
  std::unique_ptr<State> &slot = tool_state_slot<State>();
  if (!slot) slot = std::make_unique<State>();
  return *slot;
}

// Null before the first use.
template <class State>
State *existing_tool_state() {
  return tool_state_slot<State>().get();
}

// Forgets the record (unit tests that run several hosts in one process).
template <class State>
void reset_tool_state() {
  tool_state_slot<State>().reset();
}

}  // namespace qb
