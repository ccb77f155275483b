// The Run button of the item visibility panel: walks the items of the chosen
// scope, selects each alone and applies the type row's settings to it.
#include "abi/host_api.h"
#include "toolkit/items/items.h"
#include "toolkit/lwtool2/eval.h"
#include "toolkit/lwtool2/items.h"
#include "toolkit/lwtool2/services.h"
#include "tools/visibility/item_visible.h"

namespace qb {
namespace {

using lwtool2::ItemList;

int row_of_kind(ItemKind kind) {
  switch (kind) {
    case kMeshObject: return kRowMesh;
    case kNullObject: return kRowNull;
    case kBoneItem: return kRowBone;
    case kCameraItem: return kRowCamera;
    case kLightItem: return kRowLight;
    default: return -1;
  }
}

bool item_is_active(LWItemID item) {
  const LWItemInfo *info = lwtool2::services().item_info;
  return info != nullptr && (info->flags(item) & LWITEMF_ACTIVE) != 0;
}

// A refused "SelectItem" leaves the previous item selected, and a change sent
// then would land on that item (in the complement scopes possibly one the
// user excluded), so every change waits until its own item is selected alone.
bool select_alone(LWItemID item) {
  lwtool2::evalf("SelectItem 0x%x", item_id_bits(item));
  lwtool2::refresh_interface_info();
  const LWInterfaceInfo *info = lwtool2::services().interface_info;
  return info != nullptr && info->selItems != nullptr && info->selItems[0] == item &&
         info->selItems[1] == nullptr;
}

ItemList targets_of_scope(int scope) {
  switch (scope) {
    case kScopeSelection: return lwtool2::selection_list(0);
    case kScopeSelectionWithChildren: return lwtool2::selection_list(1);
    case kScopeAllItems: return lwtool2::scene_item_list();
    default: return ItemList();
  }
}

void run_targets(const ItemVisibleState &state) {
  const ItemList targets = targets_of_scope(state.scope);
  for (LWItemID item : targets) {
    if (select_alone(item)) apply_to_item(state, item);
  }
  lwtool2::status_progress(1.0f, "Done(%d).", static_cast<int>(targets.size()));
}

// Every scene item is selected in turn, so the count covers the whole scene;
// only the items outside the excluded selection are changed.
void run_complement(const ItemVisibleState &state) {
  const ItemList excluded = lwtool2::selection_list(state.scope == kScopeNotSelectionWithChildren ? 1 : 0);
  ItemList work;
  lwtool2::append_scene_items(work);
  for (LWItemID item : work) {
    if (select_alone(item) && !excluded.contains(item)) apply_to_item(state, item);
  }
  lwtool2::status_progress(1.0f, "Done(%d).", static_cast<int>(work.size()));
}

}  // namespace

int visibility_code(int row, int index) {
  const int last = (row == kRowMesh || row == kRowNull) ? 8 : 2;
  if (index < 1 || index > last) return -1;
  return index - 1;
}

bool needs_active_flip(int index, bool active) {
  return (index == kActiveOff && active) || (index == kActiveOn && !active);
}

void apply_to_item(const ItemVisibleState &state, LWItemID item) {
  const int row = row_of_kind(lwtool2::classify_item(item));
  if (row < 0 || state.enabled[row] == 0) return;
  const bool active = item_is_active(item);
  const int code = visibility_code(row, state.visibility[row]);
  if (code >= 0) lwtool2::evalf("ItemVisibility %d", code);
  // Bones keep their active state whatever the row's popup holds.
  if (row == kRowBone || !needs_active_flip(state.active[row], active)) return;
  if (row == kRowNull && !select_alone(item)) return;
  lwtool2::evalf("ItemActive");
}

void run_visibility(const ItemVisibleState &state) {
  const lwtool2::ItemList saved = lwtool2::selection_list(0);
  if (state.scope == kScopeNotSelection || state.scope == kScopeNotSelectionWithChildren) {
    run_complement(state);
  } else {
    run_targets(state);
  }
  lwtool2::select_list(saved);
}

}  // namespace qb
