// Real scene files nobody here wrote: the QuickDraw rig (version 3, nulls
// with blanks in their names, parents declared after their children) and
// assimp's test scenes in versions 2, 3 and 5.
#include <algorithm>

#include "tests/unit/lws/lws_test_support.h"

namespace {

using namespace lws_test;
using qbhost::ItemId;
using qbhost::ItemType;

constexpr ItemId obj(uint32_t i) { return qbhost::kObjectBase + i; }

class RealScenes : public ::testing::Test {
 protected:
  void SetUp() override {
    root_ = realdata();
    if (root_.empty()) GTEST_SKIP() << "real data folder not found (QB_REALDATA): skipped";
  }
  std::string quickdraw() const {
    return (root_ / "assimp/test/models-nonbsd/LWS/QuickDraw v.2.2.lws").string();
  }
  std::string assimp(const std::string &name) const {
    return (root_ / "assimp/test/models/LWS" / name).string();
  }
  std::vector<fs::path> all_scenes() const {
    std::vector<fs::path> found;
    for (const auto &entry : fs::recursive_directory_iterator(root_))
      if (entry.is_regular_file() && entry.path().extension() == ".lws") found.push_back(entry.path());
    std::sort(found.begin(), found.end());
    return found;
  }
  fs::path root_;
};

TEST_F(RealScenes, QuickDrawItemsHierarchyAndVisibility) {
  Loaded s(quickdraw());
  ASSERT_TRUE(s.file) << s.error;
  EXPECT_EQ(s.problems, std::vector<std::string>{});
  ASSERT_EQ(s.scene.objects().size(), 20u);
  ASSERT_EQ(s.scene.lights().size(), 1u);
  ASSERT_EQ(s.scene.cameras().size(), 1u);

  const char *meshes[] = {"QuickDraw--Chasis",       "QuickDraw--Wheels-Back",  "QuickDraw--Wheels-Front",
                          "QuickDraw--CabinPortals", "QuickDraw--Arm-Shoulder", "QuickDraw--Arm-ForeArm",
                          "QuickDraw--Arm-Tip",      "QuickDraw--GP-Pod",       "QuickDraw--GP-Lid",
                          "QuickDraw--GP-Gun"};
  for (uint32_t i = 0; i < 10; ++i) {
    const qbhost::Item &item = s.item(obj(i));
    EXPECT_EQ(item.name, meshes[i]);
    EXPECT_EQ(item.layer, 1);
    EXPECT_TRUE(fs::is_regular_file(item.file)) << item.file;
    EXPECT_NE(item.file.find("LWO/LWO2/LWSReferences/" + std::string(meshes[i]) + ".lwo"), std::string::npos)
        << item.file;
  }
  const char *nulls[] = {
      "Quick Draw -- magnet -- Portals", "Quick Draw -- magnet -- Pod-Gun", "Quick Draw -- magnet -- Pod Lid",
      "Quick Draw -- magnet -- Arm",     "Quick Draw == HANDLE == MASTER",  "Quick Draw == HANDLE == Portals",
      "Quick Draw == HANDLE == Pod-Gun", "Quick Draw == HANDLE == Pod Lid", "Quick Draw == HANDLE == Arm"};
  for (uint32_t i = 0; i < 9; ++i) {
    const qbhost::Item &item = s.item(obj(10 + i));
    EXPECT_EQ(item.name, nulls[i]);
    EXPECT_EQ(item.file, "");
  }
  EXPECT_EQ(s.item(obj(19)).name, "QuickDraw--Standin-Driver");
  EXPECT_EQ(s.item(qbhost::kLightBase).name, "Light");
  EXPECT_EQ(s.item(qbhost::kCameraBase).name, "Camera");

  // child -> parent, as the scene's ParentItem lines say (MASTER, item 14, is
  // declared after the chassis that hangs from it).
  const std::pair<uint32_t, int> parents[] = {
      {0, 14}, {1, 0},  {2, 0},  {3, 0},  {4, 0},   {5, 4},   {6, 5},   {7, 0},   {8, 7},   {9, 7},
      {10, 3}, {11, 9}, {12, 8}, {13, 6}, {14, -1}, {15, 14}, {16, 14}, {17, 14}, {18, 14}, {19, 0}};
  for (auto [child, parent] : parents)
    EXPECT_EQ(s.item(obj(child)).parent, parent < 0 ? 0 : obj(parent)) << "object " << child;
  EXPECT_EQ(s.item(obj(0)).children, (std::vector<ItemId>{obj(1), obj(2), obj(3), obj(4), obj(7), obj(19)}));
  EXPECT_EQ(s.item(obj(14)).children, (std::vector<ItemId>{obj(0), obj(15), obj(16), obj(17), obj(18)}));
  EXPECT_EQ(s.item(qbhost::kLightBase).parent, 0u);

  for (uint32_t i = 0; i < 20; ++i) EXPECT_EQ(s.item(obj(i)).display, 5) << "object " << i;
  EXPECT_EQ(s.item(qbhost::kLightBase).display, 0);  // ShowLight 0 7
  EXPECT_EQ(s.item(qbhost::kCameraBase).display, 1);
  for (uint32_t i = 0; i < 20; ++i) EXPECT_TRUE(s.item(obj(i)).active);
}

TEST_F(RealScenes, AssimpScenesInEveryVersion) {
  for (const char *name : {"move_x.lws", "move_x_oldformat_6.lws", "move_x_oldformat_56.lws"}) {
    SCOPED_TRACE(name);
    Loaded s(assimp(name));
    ASSERT_TRUE(s.file) << s.error;
    EXPECT_EQ(s.problems, std::vector<std::string>{});
    ASSERT_EQ(s.scene.objects().size(), 1u);
    const qbhost::Item &cube = s.item(obj(0));
    EXPECT_EQ(cube.name, "simple_cube");
    EXPECT_EQ(cube.layer, 1);
    EXPECT_EQ(cube.display, 7);  // ShowObject 7 -1 r g b
    EXPECT_TRUE(fs::is_regular_file(cube.file)) << cube.file;
    EXPECT_NE(cube.file.find('/'), std::string::npos) << "a path, not a bare name: " << cube.file;
    EXPECT_EQ(s.scene.lights(), std::vector<ItemId>{qbhost::kLightBase});
    EXPECT_EQ(s.item(qbhost::kLightBase).name, "Light");
    EXPECT_EQ(s.item(qbhost::kLightBase).display, 1);
    EXPECT_EQ(s.scene.cameras(), std::vector<ItemId>{qbhost::kCameraBase});
    EXPECT_EQ(s.item(qbhost::kCameraBase).name, "Camera");
  }
}

TEST_F(RealScenes, EverySceneLoadsCleanAndSavesByteIdentical) {
  std::vector<fs::path> scenes = all_scenes();
  ASSERT_GE(scenes.size(), 15u);
  TempDir out;
  for (const fs::path &path : scenes) {
    SCOPED_TRACE(path.string());
    Loaded s(path.string());
    ASSERT_TRUE(s.file) << s.error;
    EXPECT_EQ(s.problems, std::vector<std::string>{});
    EXPECT_GE(s.scene.size(), 3u);
    if (path.parent_path().filename() == "LWS" && path.filename().string().rfind("move_", 0) == 0) {
      // assimp's animation tests: one cube, one light, one camera, no parents.
      ASSERT_EQ(s.scene.size(), 3u);
      EXPECT_EQ(s.item(obj(0)).name, "simple_cube");
      EXPECT_TRUE(fs::is_regular_file(s.item(obj(0)).file));
      EXPECT_EQ(s.item(qbhost::kLightBase).name, "Light");
      EXPECT_EQ(s.item(qbhost::kCameraBase).name, "Camera");
      for (ItemId id : {obj(0), qbhost::kLightBase, qbhost::kCameraBase}) EXPECT_EQ(s.item(id).parent, 0u);
    }
    std::string original = read_bytes(path);
    // Saved beside the original (so relative paths would stay right) and elsewhere.
    EXPECT_EQ(s.saved_text(), original);
    std::string copy = out.file(path.filename().string());
    std::string error;
    ASSERT_TRUE(qbhost::save_scene_file(copy, s.scene, s.file.get(), error)) << error;
    EXPECT_EQ(read_bytes(copy), original);
  }
}

TEST_F(RealScenes, QuickDrawEditsTouchOnlyTheirLines) {
  std::string original = read_bytes(quickdraw());
  Loaded s(quickdraw());
  ASSERT_TRUE(s.file) << s.error;
  ItemId master = s.named("Quick Draw == HANDLE == MASTER");
  ASSERT_EQ(master, obj(14));
  s.scene.rename(master, "Quick Draw == HANDLE == ROOT");
  s.scene.set_display(obj(1), 3);
  ASSERT_TRUE(s.scene.set_parent(obj(19), obj(14)));             // the driver leaves the chassis
  ASSERT_TRUE(s.scene.set_parent(obj(5), 0));                    // the forearm loses its parent
  ASSERT_TRUE(s.scene.set_parent(master, qbhost::kCameraBase));  // had no ParentItem line
  LineEdits expected;
  expected.replace[1075] = "AddNullObject Quick Draw == HANDLE == ROOT";
  expected.replace[89] = "ShowObject 3 7";
  expected.replace[1457] = "ParentItem 1000000e";
  expected.remove.insert(467);
  // After MASTER's motion block, whose last envelope closes on line 1132.
  {
    std::istringstream in(original);
    std::string line;
    for (int n = 0; n < 1132; ++n) std::getline(in, line);
    ASSERT_EQ(line, "}");
  }
  expected.insert_after[1132] = {"ParentItem 30000000"};
  std::string saved = s.saved_text();
  EXPECT_EQ(saved, expected.apply(original));
  EXPECT_NE(saved.find("Behaviors 1 1\n}\nParentItem 30000000\n\nLockedChannels 4064"), std::string::npos);

  TempDir out;
  std::string copy = out.file("QuickDraw edited.lws");
  std::string error;
  ASSERT_TRUE(qbhost::save_scene_file(copy, s.scene, s.file.get(), error)) << error;
  // Reloaded from another folder the edited scene finds no object files; its
  // items, names and parents are what was saved all the same.
  Loaded again(copy);
  ASSERT_TRUE(again.file) << again.error;
  EXPECT_EQ(again.item(master).name, "Quick Draw == HANDLE == ROOT");
  EXPECT_EQ(again.item(master).parent, qbhost::kCameraBase);
  EXPECT_EQ(again.item(obj(1)).display, 3);
  EXPECT_EQ(again.item(obj(19)).parent, master);
  EXPECT_EQ(again.item(obj(5)).parent, 0u);
  EXPECT_EQ(again.item(obj(6)).parent, obj(5));
  EXPECT_EQ(again.item(obj(0)).parent, master);
}

}  // namespace
