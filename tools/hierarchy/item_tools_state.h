// The item tools panel's record: built once, kept for the module's lifetime.
#pragma once

#include <array>
#include <string>

#include "abi/host_api.h"
#include "toolkit/tool_state.h"

namespace qb::hierarchy {

inline constexpr int kItemToolsControlCount = 20;
inline constexpr int kItemToolsWidth = 320;
inline constexpr int kItemToolsHeight = 384;

// Positions in ItemToolsState::controls (creation order, from 0).
enum ItemToolsControl : int {
  kParentField = 2,
  kParentPick = 3,
  kParentInPlace = 4,
  kParentRun = 5,
  kUnparentRun = 8,
  kNameField = 11,
  kNamePick = 12,
  kPatternRun = 14,
  kBranchRun = 17,
  kCloseButton = 19,
};

// The one record is tool_state<ItemToolsState>().
struct ItemToolsState {
  std::string title;  // handed to the host, which may keep it for the panel's life
  LWPanelID panel = nullptr;
  std::array<LWControl *, kItemToolsControlCount> controls{};
  bool open = false;
  int width = 0;
  int height = 0;
};

// Creates the panel and its controls with the current language's labels and
// registers the callbacks.  False (and no panel) when the host cannot make it.
bool build_item_tools_panel(ItemToolsState &state, LWPanelFuncs *funcs);

}  // namespace qb::hierarchy
