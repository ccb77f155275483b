#include "tools/hierarchy/select_branches.h"

#include <algorithm>

#include "toolkit/base/item_marks.h"
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

// Each root's branch is walked depth first, so that the walk meets items in
// the order the host usually keeps them (a branch made at once sits together),
// and then put in breadth-first order: depth-first order stably sorted by
// depth is breadth-first order.  Only the roots carry marks: a root listed
// already is not listed again, and the branch of a root that an earlier walk
// has covered is not walked again, so nested roots cost no more than the
// items below them.  Items of a tree meet no walk twice.
struct BranchWalk {
  static constexpr std::uint8_t kListed = 1;
  static constexpr std::uint8_t kWalked = 2;  // its branch is (being) listed

  struct Found {
    LWItemID item;
    std::size_t depth;
  };
  struct Step {
    LWItemID item;
    LWItemID child;  // the next child to visit
    std::size_t depth;
  };

  LWItemInfo *info = nullptr;
  ItemList list;
  ItemMarks roots;
  std::vector<Found> found;
  std::vector<Step> path;
  std::vector<std::size_t> starts;

  void add_root(LWItemID root) {
    if (roots.set(root, kListed)) list.push_back(root);
  }

  void add_descendants(LWItemID root) {
    if (info == nullptr || !roots.set(root, kWalked)) return;
    found.clear();
    path.assign(1, Step{root, info->firstChild(root), 0});
    while (!path.empty()) {
      Step &step = path.back();
      const LWItemID child = step.child;
      if (child == LWITEM_NULL) {
        path.pop_back();
        continue;
      }
      const LWItemID parent = step.item;
      const std::size_t depth = step.depth + 1;
      step.child = info->nextChild(parent, child);
      // A child that names another parent is passed over: a host whose child
      // lists loop would otherwise be walked without end.
      if (roots.has(child, kWalked) || info->parent(child) != parent) continue;
      if (roots.has(child, kListed)) roots.set(child, kWalked);
      else found.push_back(Found{child, depth});
      path.push_back(Step{child, info->firstChild(child), depth});
    }
    append_by_depth();
  }

  // Appends `found` ordered by depth, keeping the walk's order within a depth.
  void append_by_depth() {
    std::size_t deepest = 0;
    for (const Found &f : found) deepest = std::max(deepest, f.depth);
    starts.assign(deepest + 2, 0);
    for (const Found &f : found) ++starts[f.depth + 1];
    for (std::size_t d = 1; d < starts.size(); ++d) starts[d] += starts[d - 1];
    const std::size_t base = list.size();
    list.resize(base + found.size());
    for (const Found &f : found) list[base + starts[f.depth]++] = f.item;
  }
};

}  // namespace

ItemList branch_list(const ItemList &roots) {
  const ItemList kept = kept_roots(roots);
  BranchWalk walk;
  walk.info = service_table().item_info;
  walk.roots = ItemMarks(kept.size());
  for (LWItemID root : kept) walk.add_root(root);
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
