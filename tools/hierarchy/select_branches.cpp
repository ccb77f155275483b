#include "tools/hierarchy/select_branches.h"

#include <algorithm>
#include <unordered_set>

#include "toolkit/services.h"

namespace qb {
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
// chain selected, say) cost no more than the items below them.
struct BranchWalk {
  LWItemInfo *info = nullptr;
  ItemList list;
  std::unordered_set<LWItemID> listed;
  std::unordered_set<LWItemID> walked;  // whole subtree already listed

  void add(LWItemID item) {
    if (listed.insert(item).second) list.push_back(item);
  }

  void add_descendants(LWItemID root) {
    if (info == nullptr || !walked.insert(root).second) return;
    ItemList queue{root};
    for (std::size_t i = 0; i < queue.size(); ++i) {
      const LWItemID parent = queue[i];
      for (LWItemID child = info->firstChild(parent); child != LWITEM_NULL;
           child = info->nextChild(parent, child)) {
        add(child);
        if (walked.insert(child).second) queue.push_back(child);
      }
    }
  }
};

}  // namespace

ItemList branch_list(const ItemList &roots) {
  const ItemList kept = kept_roots(roots);
  BranchWalk walk;
  walk.info = service_table().item_info;
  walk.listed.reserve(kept.size());
  for (LWItemID root : kept) walk.add(root);
  for (LWItemID root : kept) walk.add_descendants(root);
  return std::move(walk.list);
}

void select_branches(const ItemList &roots) {
  ItemList list = branch_list(roots);
  if (list.empty()) return;
  // select_same_type walks from the end and takes the type of the first
  // entry it meets: reversed, that is the first root, and the branch list is
  // selected in its own order.
  std::reverse(list.begin(), list.end());
  select_same_type(list);
}

}  // namespace qb
