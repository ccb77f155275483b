#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/unit/support/qbhost_fixture.h"
#include "toolkit/command.h"
#include "toolkit/items/items.h"
#include "toolkit/text/format.h"

namespace {

using Commands = std::vector<std::string>;
using qb::ItemList;

using qbtest::hex;

class FirstLayer : public ::testing::Test {
 protected:
  void SetUp() override { qb::load_service_table(host.global()); }
  qbtest::TestHost host;
};

TEST_F(FirstLayer, SelectSameTypeWalksFromTheEndAndKeepsTheLastType) {
  LWItemID light = host.add(LWI_LIGHT, "A");
  LWItemID b = host.add(LWI_OBJECT, "B");
  LWItemID c = host.add(LWI_OBJECT, "C");
  qb::select_same_type({light, b, c});
  EXPECT_EQ(host.commands, (Commands{"SelectItem " + hex(c), "AddToSelection " + hex(b)}));
  EXPECT_EQ(qb::selected_items(), (ItemList{c, b}));
}

TEST_F(FirstLayer, SelectSameTypeSkipsRepeatsAndNulls) {
  LWItemID b = host.add(LWI_OBJECT, "B");
  qb::select_same_type({b, nullptr, b});
  EXPECT_EQ(host.commands, Commands{"SelectItem " + hex(b)});
}

TEST_F(FirstLayer, SelectSameTypeOfNothingSendsAndLooksUpNothing) {
  host.clear_trace();
  qb::select_same_type({});
  qb::select_same_type({nullptr});
  EXPECT_TRUE(host.commands.empty());
  EXPECT_TRUE(host.lookups().empty());
}

TEST_F(FirstLayer, SelectSameTypeRefreshesTheInterfaceInfo) {
  LWItemID b = host.add(LWI_OBJECT, "B");
  LWInterfaceInfo *before = qb::service_table().interface_info;
  qb::select_same_type({b});
  EXPECT_NE(qb::service_table().interface_info, before);
  EXPECT_EQ(qb::service_table().interface_info->selItems[0], b);
}

TEST_F(FirstLayer, FailedCommandsArePassedOver) {
  LWItemID b = host.add(LWI_OBJECT, "B");
  LWItemID c = host.add(LWI_OBJECT, "C");
  host.settings().refused = {"SelectItem"};
  qb::select_same_type({b, c});
  EXPECT_EQ(host.commands, (Commands{"SelectItem " + hex(c), "AddToSelection " + hex(b)}));
}

// A text the host's 512-byte buffer cannot hold would be cut and act on what
// is left: it is not sent, and the status line says so.
TEST_F(FirstLayer, CommandsOverFiveHundredElevenBytesAreNotSent) {
  qb::run_command("StatusMsg {1.0} " + std::string(495, 'x'));  // 511 bytes
  qb::run_command("StatusMsg {1.0} " + std::string(496, 'x'));
  ASSERT_EQ(host.commands.size(), 2u);
  EXPECT_EQ(host.commands[0].size(), 511u);
  EXPECT_EQ(host.commands[1], "StatusMsg {1.0} *** ERROR: a command of 512 bytes is longer than 511 and was not sent ***");
}

TEST_F(FirstLayer, BranchIsBreadthFirstWithoutTheRoot) {
  LWItemID root = host.add(LWI_OBJECT, "root");
  LWItemID x = host.add(LWI_OBJECT, "X", root);
  LWItemID y = host.add(LWI_OBJECT, "Y", root);
  LWItemID z = host.add(LWI_OBJECT, "Z", x);
  EXPECT_EQ(qb::branch_of(root), (ItemList{x, y, z}));
  EXPECT_TRUE(qb::branch_of(z).empty());
  EXPECT_TRUE(qb::branch_of(nullptr).empty());
}

TEST_F(FirstLayer, SceneOrderIsObjectsWithBonesThenLightsThenCameras) {
  LWItemID camera = host.add(LWI_CAMERA, "Camera");
  LWItemID light = host.add(LWI_LIGHT, "Light");
  LWItemID o1 = host.add(LWI_OBJECT, "O1");
  LWItemID o2 = host.add(LWI_OBJECT, "O2");
  LWItemID b1 = host.add(LWI_BONE, "B1", o1, o1);
  LWItemID b2 = host.add(LWI_BONE, "B2", b1, o1);
  LWItemID b3 = host.add(LWI_BONE, "B3", o2, o2);
  EXPECT_EQ(qb::scene_items(), (ItemList{o1, b1, b2, o2, b3, light, camera}));
}

TEST_F(FirstLayer, FindItemIgnoresCaseAndTakesTheFirst) {
  host.add(LWI_LIGHT, "Camera");
  host.add(LWI_LIGHT, nullptr);
  LWItemID camera = host.add(LWI_CAMERA, "Camera");
  LWItemID object = host.add(LWI_OBJECT, "CAMERA");
  LWItemID unnamed_bone = host.add(LWI_BONE, nullptr, object, object);
  host.add(LWI_OBJECT, nullptr);
  EXPECT_EQ(qb::find_item("camera"), object);  // objects come first
  EXPECT_EQ(qb::find_item(""), unnamed_bone);  // an object's bones follow it, before the next object
  EXPECT_EQ(qb::find_item("cameras"), nullptr);
  EXPECT_EQ(qb::find_item("nothing"), nullptr);
  (void)camera;
}

TEST_F(FirstLayer, MatchingByWildcards) {
  LWItemID cube1 = host.add(LWI_OBJECT, "Cube1");
  LWItemID cube2 = host.add(LWI_OBJECT, "cube22");
  LWItemID light = host.add(LWI_LIGHT, "Light1");
  LWItemID unnamed = host.add(LWI_OBJECT, nullptr);
  EXPECT_EQ(qb::items_matching_wildcard("CUBE*"), (ItemList{cube1, cube2}));
  EXPECT_EQ(qb::items_matching_wildcard("*"), (ItemList{cube1, cube2, unnamed, light}));
  // Each item once, in scene order, whatever the order of the patterns.
  EXPECT_EQ(qb::items_matching_wildcards({"Light?", "*1", "cube*"}), (ItemList{cube1, cube2, light}));
  EXPECT_TRUE(qb::items_matching_wildcards({}).empty());
  EXPECT_THROW(qb::items_matching_wildcards({"ok", "a{"}), std::regex_error);
}

TEST_F(FirstLayer, ItemKindAcceptsLwoInAnyCase) {
  LWItemID mesh = host.mesh("m", "C:\\Objects\\m.LWO");
  LWItemID plain = host.mesh("p", "box.lwo");
  LWItemID other_file = host.mesh("o", "/x/scene.lws");
  LWItemID backup = host.mesh("b", "C:\\Objects\\box.lwo.bak");
  LWItemID null_object = host.add(LWI_OBJECT, "n");
  LWItemID object = host.add(LWI_OBJECT, "o");
  LWItemID bone = host.add(LWI_BONE, "b", object, object);
  EXPECT_EQ(qb::item_kind(mesh), qb::kMeshObject);
  EXPECT_EQ(qb::item_kind(plain), qb::kMeshObject);
  EXPECT_EQ(qb::item_kind(other_file), qb::kNullObject);
  EXPECT_EQ(qb::item_kind(backup), qb::kNullObject);
  EXPECT_EQ(qb::item_kind(null_object), qb::kNullObject);
  EXPECT_EQ(qb::item_kind(bone), qb::kBoneItem);
  EXPECT_EQ(qb::item_kind(host.add(LWI_LIGHT, "l")), qb::kLightItem);
  EXPECT_EQ(qb::item_kind(host.add(LWI_CAMERA, "c")), qb::kCameraItem);
  EXPECT_EQ(qb::item_kind(qbtest::handle(0x50000000u)), qb::kOtherItem);  // the host knows no such item
  EXPECT_EQ(qb::object_file_name(mesh), "C:\\Objects\\m.LWO");
  EXPECT_EQ(qb::object_file_name(other_file), "");
}

TEST_F(FirstLayer, VisibilityAndActiveChangeOnlyWhenDifferent) {
  LWItemID a = host.add(LWI_LIGHT, "A");
  qb::set_item_visibility(a, true);
  qb::set_item_active(a, true);
  EXPECT_TRUE(host.commands.empty());
  qb::set_item_visibility(a, false);
  qb::set_item_active(a, false);
  EXPECT_EQ(host.commands, (Commands{"SelectItem " + hex(a), "ItemVisibility 0", "SelectItem " + hex(a),
                                     "ItemActive"}));
  EXPECT_EQ(host.item(a).display, 0);
  EXPECT_FALSE(host.item(a).active);
  host.commands.clear();
  qb::set_item_visibility(a, false);
  qb::set_item_active(a, false);
  qb::select_item(nullptr);
  EXPECT_TRUE(host.commands.empty());
}

TEST_F(FirstLayer, SelectedItemsInHostOrder) {
  LWItemID a = host.add(LWI_OBJECT, "A");
  LWItemID b = host.add(LWI_LIGHT, "B");
  host.select({b, a});
  EXPECT_EQ(qb::selected_items(), (ItemList{b, a}));
  host.settings().missing = {LWINTERFACEINFO_GLOBAL};
  EXPECT_TRUE(qb::selected_items().empty());
}

TEST(FirstLayerWithoutServices, NothingHappens) {
  qbtest::TestHost host;
  EXPECT_TRUE(qb::scene_items().empty());
  EXPECT_TRUE(qb::selected_items().empty());
  EXPECT_EQ(qb::item_name(reinterpret_cast<LWItemID>(0x10000001)), "");
  qb::select_same_type({reinterpret_cast<LWItemID>(0x10000001)});
  EXPECT_TRUE(host.commands.empty());
}

TEST_F(FirstLayer, MillionItemChainBranch) {
  constexpr int kDepth = 1000000;
  LWItemID root = host.add(LWI_OBJECT, "root");
  LWItemID parent = root;
  LWItemID last = nullptr;
  for (int i = 0; i < kDepth; ++i) parent = last = host.add(LWI_OBJECT, nullptr, parent);
  ItemList branch = qb::branch_of(root);
  ASSERT_EQ(branch.size(), static_cast<std::size_t>(kDepth));
  EXPECT_EQ(branch.back(), last);
}

}  // namespace
