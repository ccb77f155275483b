#include "tools/hierarchy/select_branches.h"

#include <algorithm>

#include "toolkit/items/item_marks.h"
#include "toolkit/services.h"

namespace qb::hierarchy {
namespace {

bool is_object_kind(ItemKind kind) { return kind == kNullObject || kind == kMeshObject; }

// Objects qualify together, with or without geometry.
bool same_root_kind(ItemKind first, ItemKind other) {
  return is_object_kind(first) ? is_object_kind(other) : other == first;
}

ItemList kept_roots(const ItemList &roots) {
  ItemList kept;
  bool have_first = false;
  ItemKind first = kOtherItem;
  for (LWItemID root : roots) {
    if (root == LWITEM_NULL) continue;
    const ItemKind kind = item_kind(root);
    if (!have_first) {
      first = kind;
      have_first = true;
    }
    if (same_root_kind(first, kind)) kept.push_back(root);
  }
  return kept;
}

// Builds the list without repeats.  A subtree that an earlier root's walk
// has already listed in full is not walked again, so nested roots (a whole
// chain selected, say) cost no more than the items below them.  Both facts
// live in one flat table of marks for the run.
struct BranchWalk {
  static constexpr std::uint8_t kListed = 1;
  static constexpr std::uint8_t kWalked = 2;  // whole subtree already listed

  LWItemInfo *info = nullptr;
  ItemList list;
  ItemMarks marks;
  ItemList queue;

  void add(LWItemID item) {
    if (marks.set(item, kListed)) list.push_back(item);
  }

  void add_descendants(LWItemID root) {
    if (info == nullptr || !marks.set(root, kWalked)) return;
    queue.assign(1, root);
    for (std::size_t i = 0; i < queue.size(); ++i) {
      const LWItemID parent = queue[i];
      for (LWItemID child = info->firstChild(parent); child != LWITEM_NULL;
           child = info->nextChild(parent, child)) {
        const std::uint8_t before = marks.add(child, kListed | kWalked);
        if ((before & kListed) == 0) list.push_back(child);
        if ((before & kWalked) == 0) queue.push_back(child);
      }
    }
  }
};

}  // namespace

ItemList branch_list(const ItemList &roots) {
  const ItemList kept = kept_roots(roots);
  BranchWalk walk;
  walk.info = service_table().item_info;
  walk.marks = ItemMarks(kept.size());
  for (LWItemID root : kept) walk.add(root);
  for (LWItemID root : kept) walk.add_descendants(root);
  return std::move(walk.list);
}

void select_branches(const ItemList &roots) {
  ItemList list = branch_list(roots);
  if (list.empty()) return;
  // select_same_type walks from the end and takes the type of the first
  // entry it meets: reversed, that is the first root, and the branch list is
  // selected in its own order.  The list holds every item once.
  std::reverse(list.begin(), list.end());
  select_distinct_same_type(list);
}

}  // namespace qb::hierarchy
