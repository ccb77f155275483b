#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/unit/support/qbhost_fixture.h"
#include "toolkit/base/exceptions.h"
#include "tools/visibility/item_visible.h"

namespace {

using Commands = std::vector<std::string>;

// Popup indices outside a row's list (which a script or a stale panel value
// can hold) send no command; the codes inside the lists are stated by the
// panel traces.
TEST(ItemVisibleCodes, IndicesOutsideARowsListGiveNoCode) {
  for (int row : {qb::item_visible::kRowMesh, qb::item_visible::kRowNull}) {
    EXPECT_EQ(qb::item_visible::visibility_code(row, 8), 7);
    for (int index : {-1, 0, 9}) EXPECT_EQ(qb::item_visible::visibility_code(row, index), -1) << index;
  }
  for (int row : {qb::item_visible::kRowBone, qb::item_visible::kRowCamera, qb::item_visible::kRowLight}) {
    EXPECT_EQ(qb::item_visible::visibility_code(row, 2), 1);
    for (int index : {-1, 0, 3}) EXPECT_EQ(qb::item_visible::visibility_code(row, index), -1) << index;
  }
  EXPECT_FALSE(qb::item_visible::needs_active_flip(5, false));
  EXPECT_FALSE(qb::item_visible::needs_active_flip(-1, true));
}

class ItemVisibleRun : public ::testing::Test {
 protected:
  void SetUp() override { host.load_services(); }
  static std::string id(LWItemID item) { return qbtest::hex(item); }
  qbtest::TestHost host;
  qb::item_visible::ItemVisibleState state;
};

TEST_F(ItemVisibleRun, EachKindFollowsItsOwnRow) {
  LWItemID mesh = host.mesh("Box", "Objects/Box.lwo");
  LWItemID null = host.add(LWI_OBJECT, "Pivot");
  LWItemID bone = host.add(LWI_BONE, "Arm", mesh, mesh);
  LWItemID camera = host.add(LWI_CAMERA, "Cam");
  LWItemID light = host.add(LWI_LIGHT, "Key");
  LWItemID upper = host.mesh("Upper", "Objects/Upper.LWO");  // not a mesh to this layer: a null
  host.item(light).active = false;
  state.enabled = {1, 1, 1, 1, 1};
  state.visibility = {7, 3, 2, 1, 2};
  state.active = {1, 1, 1, 0, 2};
  for (LWItemID item : {mesh, null, bone, camera, light, upper}) {
    host.commands.clear();
    host.select({item});
    qb::item_visible::apply_to_item(state, item);
    Commands want;
    if (item == mesh) want = {"ItemVisibility 6", "ItemActive"};
    if (item == null || item == upper) want = {"ItemVisibility 2", "SelectItem " + id(item), "ItemActive"};
    if (item == bone) want = {"ItemVisibility 1"};  // bones keep their active state
    if (item == camera) want = {"ItemVisibility 0"};
    if (item == light) want = {"ItemVisibility 1", "ItemActive"};
    EXPECT_EQ(host.commands, want) << id(item);
  }
  state.enabled = {0, 0, 0, 0, 0};
  host.commands.clear();
  for (LWItemID item : {mesh, null, bone, camera, light}) qb::item_visible::apply_to_item(state, item);
  EXPECT_TRUE(host.commands.empty());
}

TEST_F(ItemVisibleRun, UnknownScopeChangesNothingAndGivesTheSelectionBack) {
  LWItemID a = host.add(LWI_OBJECT, "A");
  LWItemID b = host.add(LWI_OBJECT, "B");
  host.select({a, b});
  state.scope = static_cast<qb::item_visible::Scope>(7);
  qb::item_visible::run_visibility(state);
  EXPECT_EQ(host.commands,
            (Commands{"StatusMsg {1.00}Done(0).", "SelectItem " + id(b), "AddToSelection " + id(a)}));
}

TEST_F(ItemVisibleRun, DeepHierarchyIsWalkedWithoutExhaustingTheStack) {
  constexpr int kDepth = 100000;
  LWItemID top = host.add(LWI_OBJECT, "Top");
  LWItemID parent = top;
  for (int i = 0; i < kDepth; ++i) parent = host.add(LWI_OBJECT, "Link", parent);
  host.select({top});
  state.active = {0, 0, 0, 0, 0};
  qb::item_visible::run_visibility(state);
  ASSERT_EQ(host.commands.size(), 2u * (kDepth + 1) + 2);
  EXPECT_EQ(host.commands[host.commands.size() - 2], "StatusMsg {1.00}Done(100001).");
  EXPECT_EQ(host.item(parent).display, 0);
}

}  // namespace
