#include "tools/hierarchy/item_tools_actions.h"

#include <algorithm>

#include "toolkit/command.h"
#include "toolkit/items/items.h"
#include "toolkit/panel.h"
#include "toolkit/services.h"
#include "toolkit/text/format.h"
#include "tools/hierarchy/item_tools_text.h"
#include "tools/hierarchy/select_branches.h"

namespace qb::hierarchy {
namespace {

const char *message(int index) {
  const char *const *table = g_item_tools_messages ? g_item_tools_messages : kItemToolsMessagesEn;
  return table[index];
}

// The flags word is part of the snapshot: look the record up again to see
// the mode as it is now.
bool host_parent_in_place() {
  ServiceTable &table = service_table();
  if (table.global != nullptr) {
    table.interface_info =
        static_cast<LWInterfaceInfo *>(table.global(host_service(LWINTERFACEINFO_GLOBAL), GFUSE_TRANSIENT));
  }
  return table.interface_info != nullptr && (table.interface_info->generalFlags & LWGENF_PARENTINPLACE) != 0;
}

bool contains(const ItemList &items, LWItemID item) {
  return std::find(items.begin(), items.end(), item) != items.end();
}

}  // namespace

void parent_selection(const std::string &parent_name, bool in_place) {
  const ItemList selection = selected_items();
  if (parent_name.empty()) return;
  const LWItemID parent = fills_field_buffer(parent_name) ? LWITEM_NULL : find_item(parent_name);
  if (parent == LWITEM_NULL) {
    status_text(message(kMsgParentNotFound));
    return;
  }
  if (contains(selection, parent)) {
    status_text(message(kMsgParentInSelection));
    return;
  }
  const std::string parent_command = format_text("ParentItem 0x%x", item_id_bits(parent));
  if (host_parent_in_place() == in_place) {
    run_command(parent_command);
  } else {
    run_command("ParentInPlace");
    run_command(parent_command);
    run_command("ParentInPlace");
  }
  run_command("RefreshNow");
}

void unparent_selection() {
  const ItemList saved = selected_items();
  for (LWItemID item : saved) {
    select_item(item);
    run_command("ParentItem 0");
  }
  select_same_type(saved);
  run_command("RefreshNow");
}

void select_by_pattern(const std::string &pattern) {
  const ItemList matches =
      pattern.empty() || fills_field_buffer(pattern) ? ItemList{} : items_matching_wildcard(pattern);
  if (matches.empty()) {
    status_text(kNoItemsFound);
    return;
  }
  select_same_type(matches);
}

void select_branches_of_selection() {
  const ItemList roots = selected_items();
  if (roots.empty()) {
    status_text(kNoItemsFound);
    return;
  }
  select_branches(roots);
}

std::optional<std::string> name_to_pick() {
  const ItemList selection = selected_items();
  if (selection.empty()) return std::nullopt;
  return item_name(selection.back());
}

}  // namespace qb::hierarchy
