// The item visibility panel ("QB:ItemVisible"): its settings record, the
// panel built from it, and the run that applies the settings to the scene.
#pragma once

#include <array>
#include <string>

#include "abi/host_api.h"
#include "toolkit/lwtool2/items.h"
#include "toolkit/tool_state.h"

namespace qb::item_visible {

// Type rows of the panel, top to bottom.
enum TypeRow : int { kRowMesh = 0, kRowNull = 1, kRowBone = 2, kRowCamera = 3, kRowLight = 4 };
inline constexpr int kTypeRowCount = 5;

// Controls of one type row, left to right.
enum RowControl : int { kRowType = 0, kRowVisibility = 1, kRowActive = 2, kRowShow = 3, kRowHide = 4 };
inline constexpr int kRowControlCount = 5;

// Control positions in creation order.
inline constexpr int kControlScope = 0;
inline constexpr int kControlFirstRow = 4;  // after the scope popup and three headings
inline constexpr int kControlShowAll = 29;
inline constexpr int kControlHideAll = 30;
inline constexpr int kControlBorder = 31;
inline constexpr int kControlClose = 32;
inline constexpr int kControlRun = 33;
inline constexpr int kItemVisibleControlCount = 34;

inline constexpr int row_control(int row, int which) {
  return kControlFirstRow + row * kRowControlCount + which;
}

// Scope popup entries, by index: the panel stores the popup's value as is,
// and a value outside the list selects no items.
enum class Scope : int {
  kSelection = 0,
  kNotSelection = 1,
  kSelectionWithChildren = 2,
  kNotSelectionWithChildren = 3,
  kAllItems = 4,
};

// Active popup entries, by index.
enum class Active : int { kAsIs = 0, kOff = 1, kOn = 2 };

// The one record is tool_state<ItemVisibleState>().
struct ItemVisibleState {
  std::string title;
  LWPanelID panel = nullptr;
  std::array<LWControl *, kItemVisibleControlCount> controls{};
  Scope scope = Scope::kSelectionWithChildren;
  std::array<int, kTypeRowCount> enabled{1, 1, 1, 0, 0};
  std::array<int, kTypeRowCount> visibility{1, 1, 1, 0, 0};
  std::array<int, kTypeRowCount> active{1, 1, 1, 0, 0};
};

// The "ItemVisibility %d" code for a popup index of the row (-1 for "As is"
// or an index outside the row's list).  Mesh and Null rows take display
// modes, the other rows shown or hidden.
int visibility_code(int row, int index);

// Whether an item whose active flag is `active` must be flipped to follow the
// active popup index.
bool needs_active_flip(int index, bool active);

// Panel: built once; the callbacks below are the controls' events.
bool build_item_visible_panel(ItemVisibleState &state);
void type_toggle(ItemVisibleState &state, int row);
void preset_row(ItemVisibleState &state, int row, bool show);

// The Run button: every item of the scope, then "Done(%d)." and the
// selection given back.
void run_visibility(const ItemVisibleState &state);

// Applies the settings to one item that the caller has just selected alone.
void apply_to_item(const ItemVisibleState &state, LWItemID item);

}  // namespace qb::item_visible
