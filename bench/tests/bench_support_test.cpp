// The benchmarks' footing: generated scenes, saved scene state, recorded
// commands and their replay, and the object files written at bench time.
#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <map>
#include <string>

#include "bench/support/command_log.h"
#include "bench/support/lwo_writer.h"
#include "bench/support/scene_gen.h"
#include "bench/support/scene_state.h"
#include "host/core/host.h"
#include "lwo/lwo_reader.h"

extern "C" ModuleDescriptor _mod_descrip;

namespace {

using qbbench::build_scene;
using qbhost::Item;
using qbhost::ItemId;
using qbhost::ItemType;
using qbhost::Scene;

int depth_of(const Scene &scene, ItemId id) {
  int depth = 1;
  for (const Item *it = scene.item(id); it->parent != 0; it = scene.item(it->parent)) ++depth;
  return depth;
}

std::string layer_key(const std::string &name) {
  const std::size_t colon = name.find(':');
  const std::size_t blank = name.find(' ');
  return name.substr(colon + 1, (blank == std::string::npos ? name.size() : blank) - colon - 1);
}

class BenchFiles : public ::testing::Test {
 protected:
  void SetUp() override {
    dir_ = std::filesystem::temp_directory_path() /
           ("qb_bench_support_" + std::to_string(::getpid()) + "_" +
            ::testing::UnitTest::GetInstance()->current_test_info()->name());
    std::filesystem::create_directories(dir_);
  }
  void TearDown() override { std::filesystem::remove_all(dir_); }
  std::string path(const std::string &name) const { return (dir_ / name).string(); }

  std::filesystem::path dir_;
};

TEST(GeneratedScene, CharactersOfTwentyItemsUnderTenGroups) {
  Scene scene;
  const qbbench::GeneratedScene made = build_scene(scene, 1010);
  EXPECT_EQ(made.characters, 50u);
  EXPECT_EQ(made.items, 1010u);
  EXPECT_EQ(scene.size(), 1010u);
  ASSERT_EQ(made.groups.size(), 10u);
  std::map<std::string, int> kinds;
  int deepest = 0;
  for (ItemId id : scene.scene_order()) {
    const Item &it = *scene.item(id);
    const char *kind = it.type == ItemType::Bone     ? "bone"
                       : it.type == ItemType::Light  ? "light"
                       : it.type == ItemType::Camera ? "camera"
                       : it.is_mesh()                ? "mesh"
                                                     : "null";
    ++kinds[kind];
    deepest = std::max(deepest, depth_of(scene, id));
  }
  EXPECT_EQ(kinds["null"], 50 * 8 + 10);
  EXPECT_EQ(kinds["mesh"], 50 * 6);
  EXPECT_EQ(kinds["bone"], 50 * 4);
  EXPECT_EQ(kinds["light"], 50);
  EXPECT_EQ(kinds["camera"], 50);
  EXPECT_EQ(deepest, 10);
  // Every group holds a tenth of the characters.
  for (ItemId group : made.groups) EXPECT_EQ(scene.item(group)->children.size(), 5u);
}

TEST(GeneratedScene, NamesFollowTheHostsConventions) {
  Scene scene;
  build_scene(scene, 1000 * 20 + 10);
  EXPECT_NE(scene.find_by_name("Shoulder_L_012"), 0u);
  EXPECT_NE(scene.find_by_name("Bone_Forearm_R_999"), 0u);
  EXPECT_NE(scene.find_by_name("Rig_012:Arm_L_012"), 0u);
  EXPECT_EQ(scene.find_by_name("Rig_1012:Arm_L_1012"), 0u);
  scene.clear();
  build_scene(scene, 1001 * 20 + 10);
  // Character 1000 loads file Rig_000 a second time.
  const ItemId again = scene.find_by_name("Rig_000:Chest_000 (2)");
  ASSERT_NE(again, 0u);
  EXPECT_EQ(scene.item(again)->file, "Objects/Rig_000.lwo");
  EXPECT_NE(scene.find_by_name("Hand_L_1000"), 0u);
}

TEST(GeneratedScene, EveryMeshHasItsLayerInItsObjectFile) {
  Scene scene;
  build_scene(scene, 1010);
  int meshes = 0;
  for (ItemId id : scene.objects()) {
    const Item &it = *scene.item(id);
    if (!it.is_mesh()) continue;
    ++meshes;
    const std::string file = it.file.substr(it.file.find('/') + 1);
    const int f = std::stoi(file.substr(4, 3));
    EXPECT_EQ(file, qbbench::object_file_name(f));
    const auto layers = qbbench::file_layer_names(f);
    EXPECT_NE(std::find(layers.begin(), layers.end(), layer_key(it.name)), layers.end()) << it.name;
  }
  EXPECT_EQ(meshes, 300);
}

TEST(GeneratedScene, BonesFitTheIdentifierSchemeAtAMillionItems) {
  Scene scene;
  const qbbench::GeneratedScene made = build_scene(scene, 1000000);
  EXPECT_EQ(made.items, 1000010u);
  const Item &chest = *scene.item(qbhost::kObjectBase + 49999);
  EXPECT_EQ(chest.bones.size(), 4u);
}

TEST(SavedState, RestoreUndoesEverythingToolsChange) {
  Scene scene;
  const qbbench::GeneratedScene made = build_scene(scene, 210);
  qbbench::SceneState saved;
  saved.save(scene);
  const std::vector<ItemId> order = scene.scene_order();
  const std::string before_name = scene.item(order[5])->name;
  scene.set_selection({order[1], order[2]});
  scene.set_display(order[3], 0);
  scene.set_active(order[4], false);
  scene.rename(order[5], "Renamed");
  scene.set_file(order[0], "elsewhere/Other.lwo", 3);
  saved.restore(scene);
  EXPECT_TRUE(scene.selection().empty());
  EXPECT_EQ(scene.item(order[3])->display, scene.item(order[3])->is_object() ? 6 : 1);
  EXPECT_TRUE(scene.item(order[4])->active);
  EXPECT_EQ(scene.item(order[5])->name, before_name);
  EXPECT_EQ(scene.find_by_name("Renamed"), 0u);
  EXPECT_EQ(scene.find_by_name(before_name), order[5]);
  EXPECT_EQ(scene.item(order[0])->file, "Objects/Rig_000.lwo");
  EXPECT_EQ(scene.item(order[0])->layer, 1);
  EXPECT_EQ(made.items, scene.size());
}

TEST(RecordedCommands, ReplayLeavesTheSceneTheToolLeft) {
  qbhost::Host host;
  host.set_trace(nullptr);
  std::string error;
  ASSERT_TRUE(host.attach_module(&_mod_descrip, error)) << error;
  build_scene(host.scene(), 210);
  qbbench::SceneState saved;
  saved.save(host.scene());
  host.scene().set_selection(host.scene().scene_order());

  qbbench::CommandLog log;
  {
    qbbench::CommandRecorder recorder(host, log);
    ASSERT_EQ(host.activate("QB:ToggleVisible", nullptr), 0);
  }
  const std::vector<std::string> after = host.describe_scene();
  ASSERT_GT(log.size(), 210u);
  EXPECT_EQ(std::string(log.at(0)).rfind("SelectItem 0x", 0), 0u) << log.at(0);
  EXPECT_EQ(std::string(log.at(1)), "ItemVisibility 0");

  saved.restore(host.scene());
  host.scene().set_selection(host.scene().scene_order());
  EXPECT_NE(host.describe_scene(), after);
  qbbench::replay(host, log);
  EXPECT_EQ(host.describe_scene(), after);

  // Once the recorder is gone, nothing more is recorded.
  const std::size_t recorded = log.size();
  host.evaluate("RefreshNow");
  EXPECT_EQ(log.size(), recorded);
}

TEST(RecordedCommands, KeepTextsWholeAndInOrder) {
  qbbench::CommandLog log;
  log.add("SelectItem 0x10000000");
  log.add("");
  log.add(std::string(600, 'x'));
  ASSERT_EQ(log.size(), 3u);
  EXPECT_STREQ(log.at(0), "SelectItem 0x10000000");
  EXPECT_STREQ(log.at(1), "");
  EXPECT_EQ(std::string(log.at(2)), std::string(600, 'x'));
  log.clear();
  EXPECT_EQ(log.size(), 0u);
}

TEST_F(BenchFiles, SmallObjectsHoldTheirLayersInOrder) {
  const auto names = qbbench::file_layer_names(12);
  ASSERT_TRUE(qbbench::write_small_object(path("Rig_012.lwo"), names));
  qb::LwoFile file;
  ASSERT_TRUE(qb::read_lwo_file(path("Rig_012.lwo"), file));
  ASSERT_EQ(file.layers.size(), names.size());
  for (std::size_t i = 0; i < names.size(); ++i) {
    EXPECT_EQ(file.layers[i].name, names[i]);
    EXPECT_EQ(file.layers[i].number, i);
  }
  EXPECT_EQ(names[1], "Arm_L_012");
}

TEST_F(BenchFiles, LargeObjectIsAsLargeAsAskedWithItsLayers) {
  std::vector<std::string> names;
  const std::uint64_t size = qbbench::write_large_object(path("large.lwo"), 8u << 20, 4, names);
  ASSERT_GT(size, 0u);
  EXPECT_EQ(std::filesystem::file_size(path("large.lwo")), size);
  EXPECT_LE(size, 8u << 20);
  EXPECT_GT(size, (8u << 20) - 4 * 16);
  qb::LwoFile file;
  ASSERT_TRUE(qb::read_lwo_file(path("large.lwo"), file));
  ASSERT_EQ(file.layers.size(), 4u);
  EXPECT_EQ(file.layers[3].name, "Part_03");
  EXPECT_EQ(names[3], "Part_03");
  // Too small for a layer's points: refused rather than written wrong.
  EXPECT_EQ(qbbench::write_large_object(path("tiny.lwo"), 1u << 20, 16, names), 0u);
}

TEST_F(BenchFiles, OtherFilesAreNotObjectFiles) {
  for (int kind = 0; kind < 3; ++kind) {
    const std::string name = "other" + std::to_string(kind);
    ASSERT_TRUE(qbbench::write_other_file(path(name), kind, 2048));
    EXPECT_EQ(std::filesystem::file_size(path(name)), 2048u);
    qb::LwoFile file;
    EXPECT_FALSE(qb::read_lwo_file(path(name), file)) << name;
  }
}

}  // namespace
