// "QB:ToggleVisible": brings the selection, or the items named by wildcard
// words, to one state chosen from the first of them: shown and active when it
// is hidden, hidden and inactive otherwise.  The selection is restored at the
// end.
#include "abi/host_api.h"
#include "toolkit/command.h"
#include "toolkit/items/items.h"
#include "toolkit/services.h"
#include "toolkit/text/format.h"
#include "tools/tools.h"

namespace qb::toggle_visible {
namespace {

bool is_visible(LWItemID item) {
  const LWInterfaceInfo *info = service_table().interface_info;
  return info != nullptr && info->itemVis != nullptr && info->itemVis(item) != 0;
}

bool is_active(LWItemID item) {
  const LWItemInfo *info = service_table().item_info;
  return info != nullptr && (info->flags(item) & LWITEMF_ACTIVE) != 0;
}

bool is_bone(LWItemID item) {
  const LWItemInfo *info = service_table().item_info;
  return info != nullptr && info->type(item) == LWI_BONE;
}

void bring_to_state(LWItemID item, bool shown) {
  if (is_visible(item) != shown && select_alone(item))
    run_command(format_text("ItemVisibility %d", shown ? 1 : 0));
  // Bones keep their active state.
  if (!is_bone(item) && is_active(item) != shown && select_alone(item)) run_command("ItemActive");
}

}  // namespace

void run_toggle_visible(const Words &words) {
  const ItemList saved = selected_items();
  const ItemList targets = words.empty() ? saved : items_matching_wildcards(words);
  if (!targets.empty()) {
    // Fixed once: changing the items must not change the direction.
    const bool shown = !is_visible(targets.front());
    for (LWItemID item : targets) bring_to_state(item, shown);
  }
  select_same_type(saved);
}

}  // namespace qb::toggle_visible
