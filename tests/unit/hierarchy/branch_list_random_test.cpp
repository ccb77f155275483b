// The branch list against its definition, on random forests and random roots
// (nested, repeated, of mixed kinds): the kept roots in order, then each kept
// root's descendants breadth first, every item once at its first place.
#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <string>
#include <vector>

#include "tests/unit/support/qbhost_fixture.h"
#include "toolkit/items/items.h"
#include "toolkit/services.h"
#include "tools/hierarchy/select_branches.h"

using qb::ItemList;
using qbtest::TestHost;

namespace {

bool objects(qb::ItemKind kind) { return kind == qb::kNullObject || kind == qb::kMeshObject; }

// Breadth first, the root excluded; the list is its own queue.
ItemList descendants(LWItemID root) {
  LWItemInfo *info = qb::service_table().item_info;
  ItemList branch{root};
  for (std::size_t i = 0; i < branch.size(); ++i) {
    const LWItemID parent = branch[i];
    for (LWItemID child = info->firstChild(parent); child != nullptr; child = info->nextChild(parent, child))
      branch.push_back(child);
  }
  branch.erase(branch.begin());
  return branch;
}

ItemList defined_branch_list(const ItemList &roots) {
  ItemList kept;
  for (LWItemID root : roots) {
    if (root == nullptr) continue;
    const qb::ItemKind first = qb::item_kind(kept.empty() ? root : kept.front());
    const qb::ItemKind kind = qb::item_kind(root);
    if (objects(first) ? objects(kind) : kind == first) kept.push_back(root);
  }
  ItemList list;
  auto add = [&](LWItemID item) {
    if (std::find(list.begin(), list.end(), item) == list.end()) list.push_back(item);
  };
  for (LWItemID root : kept) add(root);
  for (LWItemID root : kept)
    for (LWItemID item : descendants(root)) add(item);
  return list;
}

TEST(BranchListRandom, AgreesWithItsDefinition) {
  std::mt19937 random(4242);
  auto pick = [&](std::size_t n) { return std::uniform_int_distribution<std::size_t>(0, n - 1)(random); };
  for (int scene = 0; scene < 60; ++scene) {
    TestHost host;
    std::vector<LWItemID> items;
    const std::size_t count = 1 + pick(80);
    for (std::size_t i = 0; i < count; ++i) {
      // A third of the items are roots of the scene; the others hang below any
      // earlier item (bones only below objects or bones).
      LWItemID parent = items.empty() || pick(3) == 0 ? nullptr : items[pick(items.size())];
      const std::size_t type = pick(5);
      const std::string name = "item" + std::to_string(i);
      if (type == 0) items.push_back(host.mesh(name, "", parent));
      else if (type == 1) items.push_back(host.light(name, parent));
      else if (type == 2 && parent != nullptr && host.item(parent).type != qbhost::ItemType::Light) {
        items.push_back(host.add(LWI_BONE, name.c_str(), parent));
      } else {
        items.push_back(host.null_object(name, parent));
      }
    }
    qb::load_service_table(host.global());
    for (int run = 0; run < 20; ++run) {
      ItemList roots;
      const std::size_t n = 1 + pick(8);
      for (std::size_t k = 0; k < n; ++k)
        roots.push_back(pick(10) == 0 ? nullptr : items[pick(items.size())]);
      ASSERT_EQ(qb::hierarchy::branch_list(roots), defined_branch_list(roots))
          << "scene " << scene << ", run " << run;
    }
  }
}

// A host whose child lists loop (the last item of a chain lists the second as
// its child) must not be walked without end, nor list an item twice: a child
// that names another parent is passed over.
LWItemID g_first = nullptr, g_last = nullptr;
LWItemID (*g_host_first_child)(LWItemID) = nullptr;

TEST(BranchListRandom, ChildListsThatLoopEnd) {
  TestHost host;
  const LWItemID a = host.null_object("A");
  const LWItemID b = host.null_object("B", a);
  const LWItemID c = host.null_object("C", b);
  qb::load_service_table(host.global());
  static LWItemInfo looping;
  looping = *qb::service_table().item_info;
  g_first = b;
  g_last = c;
  g_host_first_child = looping.firstChild;
  looping.firstChild = [](LWItemID parent) {
    return parent == g_last ? g_first : g_host_first_child(parent);
  };
  qb::service_table().item_info = &looping;
  EXPECT_EQ(qb::hierarchy::branch_list({a}), (ItemList{a, b, c}));
  EXPECT_EQ(qb::hierarchy::branch_list({c}), (ItemList{c}));
}

}  // namespace
