// Branch selection: the branch list of the selected roots and what selecting it sends.
#include <gtest/gtest.h>

#include "tests/unit/support/qbhost_fixture.h"
#include "toolkit/items/items.h"
#include "tools/hierarchy/select_branches.h"
#include "tools/tools.h"

using qb::ItemList;
using qbtest::hex;
using qbtest::TestHost;

namespace {

struct Rig {
  TestHost host;
  LWItemID root, body, hand, lamp, bone, other, other_child, key, fill;
  Rig() {
    root = host.null_object("Root");
    body = host.mesh("Body", "", root);
    lamp = host.add(LWI_LIGHT, "Lamp", root);
    hand = host.null_object("Hand", body);
    bone = host.add(LWI_BONE, "Bone", body);
    other = host.mesh("Other");
    other_child = host.mesh("OtherChild", "", other);
    key = host.add(LWI_LIGHT, "Key");
    fill = host.add(LWI_LIGHT, "Fill", key);
    qb::load_service_table(host.global());
  }
};

TEST(HierarchyBranchList, ObjectsOfBothKindsAreOneKindAndOthersAreDropped) {
  Rig rig;
  EXPECT_EQ(qb::hierarchy::branch_list({rig.root, rig.other, rig.key}),
            (ItemList{rig.root, rig.other, rig.body, rig.lamp, rig.hand, rig.bone, rig.other_child}));
  EXPECT_EQ(qb::hierarchy::branch_list({rig.key, rig.root}), (ItemList{rig.key, rig.fill}));
}

TEST(HierarchyBranchList, BreadthFirstBelowEachRoot) {
  TestHost host;
  const LWItemID r = host.null_object("R");
  const LWItemID x = host.null_object("X", r);
  const LWItemID y = host.null_object("Y", r);
  const LWItemID z = host.null_object("Z", x);
  qb::load_service_table(host.global());
  EXPECT_EQ(qb::hierarchy::branch_list({r}), (ItemList{r, x, y, z}));
  EXPECT_EQ(qb::hierarchy::branch_list({z}), (ItemList{z}));
}

TEST(HierarchyBranchList, NestedRootKeepsItsPlaceAndIsNotRepeated) {
  Rig rig;
  EXPECT_EQ(qb::hierarchy::branch_list({rig.root, rig.hand}),
            (ItemList{rig.root, rig.hand, rig.body, rig.lamp, rig.bone}));
  EXPECT_EQ(qb::hierarchy::branch_list({rig.hand, rig.root, rig.hand}),
            (ItemList{rig.hand, rig.root, rig.body, rig.lamp, rig.bone}));
}

TEST(HierarchyBranchList, DeepChainSelectedFromTheBottomUp) {
  // Every item of a long chain is a root, deepest first: each subtree is
  // walked once, and no walk recurses.
  TestHost host;
  constexpr int kDepth = 200000;
  ItemList chain{host.null_object("0")};
  for (int i = 1; i < kDepth; ++i) chain.push_back(host.null_object(std::to_string(i), chain.back()));
  qb::load_service_table(host.global());
  const ItemList roots(chain.rbegin(), chain.rend());
  EXPECT_EQ(qb::hierarchy::branch_list(roots), roots);
  EXPECT_EQ(qb::hierarchy::branch_list({chain.front()}), chain);
}

TEST(HierarchySelectBranches, FirstRootFirstThenTheBranchOfItsHostType) {
  Rig rig;
  qb::hierarchy::select_branches({rig.root, rig.other, rig.key});
  EXPECT_EQ(rig.host.commands,
            (std::vector<std::string>{"SelectItem " + hex(rig.root), "AddToSelection " + hex(rig.other),
                                      "AddToSelection " + hex(rig.body), "AddToSelection " + hex(rig.hand),
                                      "AddToSelection " + hex(rig.other_child)}));
  EXPECT_EQ(rig.host.selection(), (ItemList{rig.root, rig.other, rig.body, rig.hand, rig.other_child}));
}

TEST(HierarchySelectBranches, NoRootsSendNothing) {
  Rig rig;
  qb::hierarchy::select_branches({});
  EXPECT_TRUE(rig.host.commands.empty());
}

TEST(HierarchySelectItem, AnInvalidWildcardSelectsNothing) {
  Rig rig;
  rig.host.select({rig.key});
  EXPECT_THROW(qb::hierarchy::run_select_item({"Body", "a{"}), std::regex_error);
  EXPECT_TRUE(rig.host.commands.empty());
  EXPECT_EQ(rig.host.selection(), (ItemList{rig.key}));
}

}  // namespace
