// The Run button of the item visibility panel: walks the items of the chosen
// scope, selects each alone and applies the type row's settings to it.
#include "abi/host_api.h"
#include "toolkit/items/items.h"
#include "toolkit/lwtool2/eval.h"
#include "toolkit/lwtool2/items.h"
#include "toolkit/lwtool2/services.h"
#include "tools/visibility/item_visible.h"

namespace qb::item_visible {
namespace {

using lwtool2::HashedItemList;
// Every change waits until its own item is selected alone (in the complement
// scopes a refused selection would leave one the user excluded).
using lwtool2::select_alone;

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

HashedItemList targets_of_scope(Scope scope) {
  switch (scope) {
    case Scope::kSelection: return lwtool2::selection_list(lwtool2::Descendants::kLeftOut);
    case Scope::kSelectionWithChildren: return lwtool2::selection_list(lwtool2::Descendants::kIncluded);
    case Scope::kAllItems: return lwtool2::scene_item_list();
    default: return HashedItemList();
  }
}

void run_targets(const ItemVisibleState &state) {
  const HashedItemList targets = targets_of_scope(state.scope);
  for (LWItemID item : targets) {
    if (select_alone(item)) apply_to_item(state, item);
  }
  lwtool2::status_progress(1.0f, "Done(%d).", static_cast<int>(targets.size()));
}

// Every scene item is selected in turn, so the count covers the whole scene;
// only the items outside the excluded selection are changed.
void run_complement(const ItemVisibleState &state) {
  const HashedItemList excluded = lwtool2::selection_list(state.scope == Scope::kNotSelectionWithChildren
                                                              ? lwtool2::Descendants::kIncluded
                                                              : lwtool2::Descendants::kLeftOut);
  HashedItemList work;
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
  return (index == static_cast<int>(Active::kOff) && active) ||
         (index == static_cast<int>(Active::kOn) && !active);
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
  const lwtool2::HashedItemList saved = lwtool2::selection_list(lwtool2::Descendants::kLeftOut);
  if (state.scope == Scope::kNotSelection || state.scope == Scope::kNotSelectionWithChildren) {
    run_complement(state);
  } else {
    run_targets(state);
  }
  lwtool2::select_list(saved);
}

}  // namespace qb::item_visible
