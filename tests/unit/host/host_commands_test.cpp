// The host commands: what each does, and that a refused one changes nothing.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>

#include "host/scene/commands.h"

using namespace qbhost;

namespace {

struct HostCommands : ::testing::Test {
  Scene scene;
  CommandEffects effects;
  ItemId mesh = 0, null = 0, child = 0, bone = 0, light = 0, camera = 0;

  void SetUp() override {
    mesh = scene.add_mesh("Cube", "Objects/Cube.lwo");
    null = scene.add_null("Pivot");
    ItemOptions under;
    under.parent = null;
    child = scene.add_null("Child", under);
    bone = scene.add_bone(mesh, "Bone");
    light = scene.add_light("Key");
    camera = scene.add_camera("Cam");
  }
  bool run(const std::string &text) { return execute_command(scene, effects, text); }
};

TEST(HostCommandParsing, HexIdentifiers) {
  ItemId id = 0;
  EXPECT_TRUE(parse_hex_id("0x10000000", id));
  EXPECT_EQ(id, 0x10000000u);
  EXPECT_TRUE(parse_hex_id("2000000A", id));
  EXPECT_EQ(id, 0x2000000Au);
  EXPECT_TRUE(parse_hex_id("0", id));
  EXPECT_EQ(id, 0u);
  EXPECT_FALSE(parse_hex_id("", id));
  EXPECT_FALSE(parse_hex_id("0x", id));
  EXPECT_FALSE(parse_hex_id(" 0x1", id));
  EXPECT_FALSE(parse_hex_id("0x1 ", id));
  EXPECT_FALSE(parse_hex_id("0x123456789", id));
  EXPECT_FALSE(parse_hex_id("xyz", id));
}

TEST_F(HostCommands, SelectAndAddToSelection) {
  EXPECT_TRUE(run("SelectItem 0x10000001"));
  EXPECT_TRUE(run("AddToSelection 20000000"));
  EXPECT_TRUE(run("AddToSelection 0x10000001"));
  EXPECT_EQ(scene.selection(), (std::vector<ItemId>{null, light}));
  EXPECT_TRUE(run("SelectItem 0x40000000"));
  EXPECT_EQ(scene.selection(), (std::vector<ItemId>{bone}));
}

TEST_F(HostCommands, SelectRefusals) {
  scene.set_selection({null, light});
  for (const char *text : {"SelectItem 0", "SelectItem 0x10000099", "SelectItem", "SelectItem  0x10000000",
                           "AddToSelection 0", "AddToSelection 0x50000000", "AddToSelection zz", "selectitem 0x10000000"})
    EXPECT_FALSE(run(text)) << text;
  EXPECT_EQ(scene.selection(), (std::vector<ItemId>{null, light}));
}

TEST_F(HostCommands, ParentItemParentsEverySelectedItem) {
  scene.set_selection({light, mesh});
  ASSERT_TRUE(run("ParentItem 0x30000000"));
  EXPECT_EQ(scene.item(light)->parent, camera);
  EXPECT_EQ(scene.item(mesh)->parent, camera);
  EXPECT_EQ(scene.item(camera)->children, (std::vector<ItemId>{light, mesh}));
  ASSERT_TRUE(run("ParentItem 0"));
  EXPECT_EQ(scene.item(light)->parent, 0u);
  EXPECT_TRUE(scene.item(camera)->children.empty());
  scene.select_only(0);
  EXPECT_TRUE(run("ParentItem 0x30000000"));  // nothing selected: nothing to do
}

TEST_F(HostCommands, ParentItemRefusals) {
  scene.set_selection({null, light});
  EXPECT_FALSE(run("ParentItem 0x10000099"));  // no such item
  EXPECT_FALSE(run("ParentItem 0x10000001"));  // the parent is selected
  EXPECT_FALSE(run("ParentItem 0x10000002"));  // the parent is below a selected item
  EXPECT_FALSE(run("ParentItem"));
  EXPECT_FALSE(run("ParentItem x"));
  EXPECT_EQ(scene.item(light)->parent, 0u);
  EXPECT_EQ(scene.item(null)->parent, 0u);
  EXPECT_EQ(scene.item(child)->parent, null);
}

TEST_F(HostCommands, ParentInPlaceFlipsBitTwo) {
  EXPECT_TRUE(run("ParentInPlace"));
  EXPECT_EQ(scene.general_flags, 4u);
  EXPECT_TRUE(run("ParentInPlace"));
  EXPECT_EQ(scene.general_flags, 0u);
  EXPECT_TRUE(run("RefreshNow"));
}

TEST_F(HostCommands, ItemVisibilityByKind) {
  scene.set_selection({mesh, null});
  ASSERT_TRUE(run("ItemVisibility 7"));
  EXPECT_EQ(scene.item(mesh)->display, 7);
  EXPECT_EQ(scene.item(null)->display, 7);
  scene.set_selection({bone, light, camera});
  ASSERT_TRUE(run("ItemVisibility 0"));
  EXPECT_EQ(scene.item(bone)->display, 0);
  EXPECT_EQ(scene.item(light)->display, 0);
  EXPECT_EQ(scene.item(camera)->display, 0);
}

TEST_F(HostCommands, ItemVisibilityRefusals) {
  scene.set_selection({mesh, light});
  EXPECT_FALSE(run("ItemVisibility 2"));  // fine for the mesh, not for the light
  EXPECT_FALSE(run("ItemVisibility 8"));
  EXPECT_FALSE(run("ItemVisibility -1"));
  EXPECT_FALSE(run("ItemVisibility"));
  EXPECT_FALSE(run("ItemVisibility 1x"));
  EXPECT_EQ(scene.item(mesh)->display, 6);
  EXPECT_EQ(scene.item(light)->display, 1);
}

TEST_F(HostCommands, ItemActiveFlipsEachSelectedItem) {
  scene.find(light)->active = false;
  scene.set_selection({mesh, light});
  ASSERT_TRUE(run("ItemActive"));
  EXPECT_FALSE(scene.item(mesh)->active);
  EXPECT_TRUE(scene.item(light)->active);
}

TEST_F(HostCommands, RenameTakesTheWholeRest) {
  scene.set_selection({light, mesh});
  ASSERT_TRUE(run("Rename Fill  Light "));
  EXPECT_EQ(scene.item(light)->name, "Fill  Light ");
  EXPECT_EQ(scene.item(mesh)->name, "Cube");
  EXPECT_EQ(scene.find_by_name("Fill  Light "), light);
  EXPECT_FALSE(run("Rename "));
  EXPECT_FALSE(run("Rename"));
  scene.select_only(0);
  EXPECT_FALSE(run("Rename Other"));
  EXPECT_EQ(scene.item(light)->name, "Fill  Light ");
}

TEST_F(HostCommands, StatusMsgKeepsTheWholeArgument) {
  EXPECT_TRUE(run("StatusMsg {1.0} Done "));
  EXPECT_EQ(effects.status, "{1.0} Done ");
  EXPECT_TRUE(run("StatusMsg"));
  EXPECT_EQ(effects.status, "");
}

TEST_F(HostCommands, UnknownCommandsAreRefused) {
  EXPECT_FALSE(run(""));
  EXPECT_FALSE(run("DeleteItem 0x10000000"));
  EXPECT_FALSE(run(" SelectItem 0x10000000"));
  EXPECT_EQ(scene.size(), 6u);
}

TEST(HostReplacedName, BaseNameAndLayer) {
  EXPECT_EQ(replaced_object_name("/a/b/Car.lwo", "Wheel", 2), "Car:Wheel");
  EXPECT_EQ(replaced_object_name("C:\\obj\\Car.v2.lwo", "Body", 3), "Car.v2:Body");
  EXPECT_EQ(replaced_object_name("Box.lwo", "Layer1", 1), "Box");
  EXPECT_EQ(replaced_object_name("noext", "L", 1), "noext");
  EXPECT_EQ(replaced_object_name("dir/.hidden", "L", 1), ".hidden");
}

// A small LWO2 file with the given layers (number, name).
std::string write_lwo(const std::string &name, const std::vector<std::pair<int, std::string>> &layers) {
  auto be32 = [](std::string &out, uint32_t v) {
    for (int shift = 24; shift >= 0; shift -= 8) out += static_cast<char>((v >> shift) & 0xFF);
  };
  std::string body = "LWO2";
  for (const auto &[number, layer_name] : layers) {
    std::string data;
    data += static_cast<char>(number >> 8);
    data += static_cast<char>(number & 0xFF);
    data += std::string(2, '\0');   // flags
    data += std::string(12, '\0');  // pivot
    data += layer_name;
    data += '\0';
    if (data.size() % 2) data += '\0';
    body += "LAYR";
    be32(body, static_cast<uint32_t>(data.size()));
    body += data;
  }
  std::string file = "FORM";
  be32(file, static_cast<uint32_t>(body.size()));
  file += body;
  const auto path = std::filesystem::temp_directory_path() / ("qbhost_cmd_" + std::to_string(::getpid()) + name);
  std::ofstream(path, std::ios::binary) << file;
  return path.string();
}

TEST_F(HostCommands, ReplaceObjectLayerTakesTheLayerOfStoredNumberNMinusOne) {
  const std::string path = write_lwo("Car.lwo", {{0, "Body"}, {1, "Wheel"}});
  scene.set_selection({null, light});
  ASSERT_TRUE(run("ReplaceObjectLayer 2 " + path));
  const Item &object = *scene.item(null);
  EXPECT_EQ(object.file, path);
  EXPECT_EQ(object.layer, 2);
  EXPECT_TRUE(object.is_mesh());
  EXPECT_EQ(object.name, "qbhost_cmd_" + std::to_string(::getpid()) + "Car:Wheel");

  const std::string single = write_lwo("Box.lwo", {{0, "Only"}});
  scene.select_only(mesh);
  ASSERT_TRUE(run("ReplaceObjectLayer 1 " + single));
  EXPECT_EQ(scene.item(mesh)->name, "qbhost_cmd_" + std::to_string(::getpid()) + "Box");
  std::filesystem::remove(path);
  std::filesystem::remove(single);
}

TEST_F(HostCommands, ReplaceObjectLayerRefusals) {
  const std::string path = write_lwo("Two.lwo", {{0, "A"}, {5, "B"}});
  scene.select_only(mesh);
  EXPECT_FALSE(run("ReplaceObjectLayer 2 " + path));  // no layer stored as 1
  EXPECT_FALSE(run("ReplaceObjectLayer 0 " + path));
  EXPECT_FALSE(run("ReplaceObjectLayer 1 /nonexistent/file.lwo"));
  EXPECT_FALSE(run("ReplaceObjectLayer 1"));
  EXPECT_FALSE(run("ReplaceObjectLayer x " + path));
  scene.select_only(light);
  EXPECT_FALSE(run("ReplaceObjectLayer 1 " + path));  // not an object
  scene.select_only(0);
  EXPECT_FALSE(run("ReplaceObjectLayer 1 " + path));  // nothing selected
  EXPECT_EQ(scene.item(mesh)->file, "Objects/Cube.lwo");
  EXPECT_EQ(scene.item(mesh)->name, "Cube");
  EXPECT_EQ(scene.item(mesh)->layer, 1);
  scene.select_only(mesh);
  EXPECT_TRUE(run("ReplaceObjectLayer 6 " + path));
  EXPECT_EQ(scene.item(mesh)->layer, 6);
  std::filesystem::remove(path);
}

}  // namespace
