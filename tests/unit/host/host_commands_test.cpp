// The host commands: what each does, that a refused one changes nothing, and
// the layer tables ReplaceObjectLayer keeps: a file is read once for any
// number of commands, and again as soon as it changes on disk.
#include <gtest/gtest.h>

#include <fcntl.h>
#include <sys/stat.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <utility>
#include <vector>

#include "host/scene/commands.h"
#include "tests/unit/support/lwo_bytes.h"
#include "tests/unit/support/test_folder.h"

using namespace qbhost;
using namespace lwo_bytes;

namespace {

struct HostCommands : ::testing::Test {
  Scene scene;
  CommandEffects effects;
  ItemId mesh = 0, null = 0, child = 0, bone = 0, light = 0, camera = 0;
  qbtest::TestFolder folder{"qbhost_commands"};

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

  // An object file with the given layers (stored number, name).
  std::string write(const std::string &name, const std::vector<std::pair<uint16_t, std::string>> &layers) {
    Bytes chunks;
    for (const auto &[number, layer] : layers) append(chunks, chunk("LAYR", layer_data(number, layer)));
    return folder.write(name, lwo2(chunks));
  }
  static void set_modified(const std::string &path, time_t seconds) {
    const struct timespec times[2] = {{seconds, 0}, {seconds, 0}};
    ASSERT_EQ(::utimensat(AT_FDCWD, path.c_str(), times, 0), 0);
  }
  // Replaces the mesh alone and answers its new name.
  std::string replace_mesh(int layer, const std::string &path) {
    scene.select_only(mesh);
    EXPECT_TRUE(run("ReplaceObjectLayer " + std::to_string(layer) + " " + path)) << path;
    return scene.item(mesh)->name;
  }
};

TEST(HostCommandParsing, HexIdentifiers) {
  ItemId id = 0;
  EXPECT_TRUE(parse_hex_id("0x10000000", id));
  EXPECT_EQ(id, 0x10000000u);
  EXPECT_TRUE(parse_hex_id("2000000A", id));
  EXPECT_EQ(id, 0x2000000Au);
  EXPECT_TRUE(parse_hex_id("0", id));
  EXPECT_EQ(id, 0u);
  for (const char *bad : {"", "0x", " 0x1", "0x1 ", "0x123456789", "xyz"})
    EXPECT_FALSE(parse_hex_id(bad, id)) << bad;
}

TEST_F(HostCommands, SelectAndAddToSelection) {
  EXPECT_TRUE(run("SelectItem 0x10000001"));
  EXPECT_TRUE(run("AddToSelection 20000000"));
  EXPECT_TRUE(run("AddToSelection 0x10000001"));
  EXPECT_EQ(scene.selection(), (std::vector<ItemId>{null, light}));
  for (const char *text :
       {"SelectItem 0", "SelectItem 0x10000099", "SelectItem", "SelectItem  0x10000000", "AddToSelection 0",
        "AddToSelection 0x50000000", "AddToSelection zz", "selectitem 0x10000000"})
    EXPECT_FALSE(run(text)) << text;
  EXPECT_EQ(scene.selection(), (std::vector<ItemId>{null, light}));
  EXPECT_TRUE(run("SelectItem 0x40000000"));
  EXPECT_EQ(scene.selection(), (std::vector<ItemId>{bone}));
}

TEST_F(HostCommands, ParentItemParentsEverySelectedItem) {
  scene.set_selection({null, light});
  EXPECT_FALSE(run("ParentItem 0x10000099"));  // no such item
  EXPECT_FALSE(run("ParentItem 0x10000001"));  // the parent is selected
  EXPECT_FALSE(run("ParentItem 0x10000002"));  // the parent is below a selected item
  EXPECT_FALSE(run("ParentItem"));
  EXPECT_FALSE(run("ParentItem x"));
  EXPECT_EQ(scene.item(light)->parent, 0u);
  EXPECT_EQ(scene.item(null)->parent, 0u);
  EXPECT_EQ(scene.item(child)->parent, null);

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

TEST_F(HostCommands, ItemVisibilityByKind) {
  scene.set_selection({mesh, light});
  EXPECT_FALSE(run("ItemVisibility 2"));  // fine for the mesh, not for the light
  for (const char *text : {"ItemVisibility 8", "ItemVisibility -1", "ItemVisibility", "ItemVisibility 1x"})
    EXPECT_FALSE(run(text)) << text;
  EXPECT_EQ(scene.item(mesh)->display, 6);
  EXPECT_EQ(scene.item(light)->display, 1);
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

TEST_F(HostCommands, FlagsNamesAndStatus) {
  scene.find(light)->active = false;
  scene.set_selection({mesh, light});
  ASSERT_TRUE(run("ItemActive"));  // flips each selected item
  EXPECT_FALSE(scene.item(mesh)->active);
  EXPECT_TRUE(scene.item(light)->active);
  for (unsigned flags : {4u, 0u}) {
    EXPECT_TRUE(run("ParentInPlace"));
    EXPECT_EQ(scene.general_flags, flags);
  }

  scene.set_selection({light, mesh});
  ASSERT_TRUE(run("Rename Fill  Light "));  // the whole rest, for the first selected item
  EXPECT_EQ(scene.item(light)->name, "Fill  Light ");
  EXPECT_EQ(scene.item(mesh)->name, "Cube");
  EXPECT_EQ(scene.find_by_name("Fill  Light "), light);
  EXPECT_FALSE(run("Rename "));
  EXPECT_FALSE(run("Rename"));
  scene.select_only(0);
  EXPECT_FALSE(run("Rename Other"));
  EXPECT_EQ(scene.item(light)->name, "Fill  Light ");

  EXPECT_TRUE(run("StatusMsg {1.0} Done "));
  EXPECT_EQ(effects.status, "{1.0} Done ");
  EXPECT_TRUE(run("StatusMsg"));
  EXPECT_EQ(effects.status, "");

  for (const char *unknown : {"", "DeleteItem 0x10000000", " SelectItem 0x10000000"})
    EXPECT_FALSE(run(unknown));
  EXPECT_EQ(scene.size(), 6u);
}

TEST(HostReplacedName, BaseNameAndLayer) {
  EXPECT_EQ(replaced_object_name("/a/b/Car.lwo", "Wheel", 2), "Car:Wheel");
  EXPECT_EQ(replaced_object_name("C:\\obj\\Car.v2.lwo", "Body", 3), "Car.v2:Body");
  EXPECT_EQ(replaced_object_name("Box.lwo", "Layer1", 1), "Box");
  EXPECT_EQ(replaced_object_name("noext", "L", 1), "noext");
  EXPECT_EQ(replaced_object_name("dir/.hidden", "L", 1), ".hidden");
}

TEST_F(HostCommands, ReplaceObjectLayerTakesTheLayerOfStoredNumberNMinusOne) {
  const std::string car = write("Car.lwo", {{0, "Body"}, {1, "Wheel"}});
  scene.set_selection({null, light});
  ASSERT_TRUE(run("ReplaceObjectLayer 2 " + car));
  const Item &object = *scene.item(null);
  EXPECT_EQ(object.file, car);
  EXPECT_EQ(object.layer, 2);
  EXPECT_TRUE(object.is_mesh());
  EXPECT_EQ(object.name, "Car:Wheel");
  const std::string box = write("Box.lwo", {{0, "Only"}});
  EXPECT_EQ(replace_mesh(1, box), "Box");

  const std::string two = write("Two.lwo", {{0, "A"}, {5, "B"}});
  for (const std::string &refused : {"2 " + two /* no layer stored as 1 */, "0 " + two,
                                     std::string("1 /nonexistent/file.lwo"), std::string("1"), "x " + two}) {
    scene.select_only(mesh);
    EXPECT_FALSE(run("ReplaceObjectLayer " + refused)) << refused;
  }
  scene.select_only(light);
  EXPECT_FALSE(run("ReplaceObjectLayer 1 " + two));  // not an object
  scene.select_only(0);
  EXPECT_FALSE(run("ReplaceObjectLayer 1 " + two));  // nothing selected
  EXPECT_EQ(scene.item(mesh)->file, box);
  EXPECT_EQ(scene.item(mesh)->name, "Box");
  EXPECT_EQ(scene.item(mesh)->layer, 1);
  EXPECT_EQ(replace_mesh(6, two), "Two:B");
  EXPECT_EQ(scene.item(mesh)->layer, 6);
}

TEST_F(HostCommands, ManyReplacementsFromOneFileReadItOnce) {
  const std::string car = write("Car.lwo", {{0, "Body"}, {1, "Wheel"}});
  const std::string van = write("Van.lwo", {{0, "Body"}, {1, "Door"}});
  for (int i = 0; i < 50; ++i)
    EXPECT_EQ(replace_mesh(1 + i % 2, i % 3 ? car : van),
              (i % 3 ? "Car:" : "Van:") + std::string(i % 2 ? (i % 3 ? "Wheel" : "Door") : "Body"));
  EXPECT_EQ(effects.layer_tables.reads, 2u);
  // Refusals for a missing layer are answered from the kept table too.
  EXPECT_FALSE(run("ReplaceObjectLayer 3 " + car));
  EXPECT_EQ(effects.layer_tables.reads, 2u);
}

TEST_F(HostCommands, AFileChangedOnDiskIsReadAnew) {
  // Rewritten with another size.
  const std::string path = write("Car.lwo", {{0, "Body"}, {1, "Wheel"}});
  EXPECT_EQ(replace_mesh(2, path), "Car:Wheel");
  write("Car.lwo", {{0, "Body"}, {1, "Steering Wheel"}});
  EXPECT_EQ(replace_mesh(2, path), "Car:Steering Wheel");
  EXPECT_EQ(effects.layer_tables.reads, 2u);
  // Rewritten in place with the same size: its modification time tells.
  write("Car.lwo", {{0, "Body"}, {1, "Hood"}});
  set_modified(path, 1000000000);
  EXPECT_EQ(replace_mesh(2, path), "Car:Hood");
  write("Car.lwo", {{0, "Body"}, {1, "Roof"}});
  set_modified(path, 1000000001);
  EXPECT_EQ(replace_mesh(2, path), "Car:Roof");
  // Rewritten with the same size and its modification time set back: the
  // time of that status change tells.
  write("Car.lwo", {{0, "Body"}, {1, "Hull"}});
  set_modified(path, 1000000001);
  EXPECT_EQ(replace_mesh(2, path), "Car:Hull");
  // Replaced by another file of the same size and time.
  const std::string other = write("Other.lwo", {{0, "Body"}, {1, "Door"}});
  set_modified(other, 1000000001);
  std::filesystem::rename(other, path);
  EXPECT_EQ(replace_mesh(2, path), "Car:Door");
}

TEST_F(HostCommands, FilesThatVanishOrAppearAreNotAnsweredFromOldReads) {
  const std::string path = write("Car.lwo", {{0, "Body"}, {1, "Wheel"}});
  EXPECT_EQ(replace_mesh(2, path), "Car:Wheel");
  std::filesystem::remove(path);
  EXPECT_FALSE(run("ReplaceObjectLayer 1 " + path));
  EXPECT_EQ(scene.item(mesh)->name, "Car:Wheel");

  // Not an object file at first, then one.
  const std::string late = (folder.path / "Late.lwo").string();
  std::ofstream(late) << "not an object file";
  EXPECT_FALSE(run("ReplaceObjectLayer 1 " + late));
  write("Late.lwo", {{0, "Seat"}, {1, "Belt"}});
  EXPECT_EQ(replace_mesh(1, late), "Late:Seat");
}

}  // namespace
