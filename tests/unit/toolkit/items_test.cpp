#include <gtest/gtest.h>

#include <cstdint>
#include <random>
#include <string>
#include <vector>

#include "tests/unit/support/qbhost_fixture.h"
#include "toolkit/command.h"
#include "toolkit/items/items.h"
#include "toolkit/text/format.h"

namespace {

LWItemID bits_handle(std::uint64_t bits) {
  return reinterpret_cast<LWItemID>(static_cast<std::uintptr_t>(bits));
}

using Commands = std::vector<std::string>;
using qb::ItemList;

using qbtest::hex;

class FirstLayer : public ::testing::Test {
 protected:
  void SetUp() override { qb::load_service_table(host.global()); }
  qbtest::TestHost host;
};

// Walking from the end and keeping the last match's type is traced through
// QB:SelectItem (hierarchy/select_item), passing over refused commands
// through QB:ToggleVisible (faults/refuse_everything).
TEST_F(FirstLayer, SelectSameTypeSkipsRepeatsAndNullsAndRefreshesTheInterfaceInfo) {
  LWItemID b = host.add(LWI_OBJECT, "B");
  host.clear_trace();
  qb::select_same_type({});
  qb::select_same_type({nullptr});
  EXPECT_TRUE(host.commands.empty());
  EXPECT_TRUE(host.lookups().empty());
  LWInterfaceInfo *before = qb::service_table().interface_info;
  qb::select_same_type({b, nullptr, b});
  EXPECT_EQ(host.commands, Commands{"SelectItem " + hex(b)});
  EXPECT_NE(qb::service_table().interface_info, before);
  EXPECT_EQ(qb::service_table().interface_info->selItems[0], b);
}

// A text the host's 512-byte buffer cannot hold would be cut and act on what
// is left: it is not sent, and the status line says so.
TEST_F(FirstLayer, CommandsOverFiveHundredElevenBytesAreNotSent) {
  qb::run_command("StatusMsg {1.0} " + std::string(495, 'x'));  // 511 bytes
  qb::run_command("StatusMsg {1.0} " + std::string(496, 'x'));
  ASSERT_EQ(host.commands.size(), 2u);
  EXPECT_EQ(host.commands[0].size(), 511u);
  EXPECT_EQ(host.commands[1],
            "StatusMsg {1.0} *** ERROR: a command of 512 bytes is longer than 511 and was not sent ***");
}

// Scene order is objects, each followed by its bones, then lights, then
// cameras; find_item takes the first item in it whose name is the same in
// any letter case.
TEST_F(FirstLayer, SceneOrderAndFindItem) {
  LWItemID named_light = host.add(LWI_LIGHT, "Camera");
  LWItemID unnamed_light = host.add(LWI_LIGHT, nullptr);
  LWItemID camera = host.add(LWI_CAMERA, "Camera");
  LWItemID o1 = host.add(LWI_OBJECT, "O1");
  LWItemID o2 = host.add(LWI_OBJECT, "CAMERA");
  LWItemID b1 = host.add(LWI_BONE, "B1", o1, o1);
  LWItemID b2 = host.add(LWI_BONE, nullptr, b1, o1);
  LWItemID b3 = host.add(LWI_BONE, "B3", o2, o2);
  EXPECT_EQ(qb::scene_items(), (ItemList{o1, b1, b2, o2, b3, named_light, unnamed_light, camera}));
  EXPECT_EQ(qb::find_item("camera"), o2);
  EXPECT_EQ(qb::find_item(""), b2);
  EXPECT_EQ(qb::find_item("cameras"), nullptr);
  EXPECT_EQ(qb::find_item("nothing"), nullptr);
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

TEST(FirstLayerWithoutServices, NothingHappens) {
  qbtest::TestHost host;
  EXPECT_TRUE(qb::scene_items().empty());
  EXPECT_TRUE(qb::selected_items().empty());
  EXPECT_EQ(qb::item_name(reinterpret_cast<LWItemID>(0x10000001)), "");
  qb::select_same_type({reinterpret_cast<LWItemID>(0x10000001)});
  EXPECT_TRUE(host.commands.empty());
}

// Selection commands are written without printf; they must read exactly as
// "<verb> 0x%x" formats them, for any handle (only the low 32 bits count).
TEST(ItemCommand, ReadsAsPrintfFormatsIt) {
  std::mt19937_64 random(99);
  for (int i = 0; i < 20000; ++i) {
    // Shifted values reach every length of the hexadecimal form.
    const std::uint64_t bits = random() >> (i % 64);
    const LWItemID item = bits_handle(bits);
    ASSERT_EQ(qb::item_command("AddToSelection", item),
              qb::format_text("AddToSelection 0x%x", qb::item_id_bits(item)))
        << bits;
  }
  EXPECT_EQ(qb::item_command("SelectItem", bits_handle(0)), "SelectItem 0x0");
  EXPECT_EQ(qb::item_command("SelectItem", bits_handle(0xffffffffu)), "SelectItem 0xffffffff");
  EXPECT_EQ(qb::item_command("SelectItem", bits_handle(0x1234567800000abcull)), "SelectItem 0xabc");
  EXPECT_EQ(qb::item_command("", bits_handle(0x10)), " 0x10");
}

}  // namespace
