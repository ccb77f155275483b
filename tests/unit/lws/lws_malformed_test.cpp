// Scene files that are damaged or wrong: whatever can be loaded is, every
// problem is told once with its line, nothing crashes, and saving still gives
// the file back as it was.
#include "tests/unit/lws/lws_test_support.h"

namespace {

using namespace lws_test;
using qbhost::ItemId;
using qbhost::kBoneBase;
using qbhost::kLightBase;
using qbhost::kObjectBase;
using Problems = std::vector<std::string>;

class Malformed : public ::testing::Test {
 protected:
  void SetUp() override { dir_.write("Objects/Box.lwo", lwo_with_layers({""})); }
  std::string scene(const std::string &text) { return dir_.write("scene.lws", text); }
  TempDir dir_;
};

TEST_F(Malformed, TruncatedInsideAnEnvelope) {
  std::string text = lines({"LWSC", "3", "", "LoadObjectLayer 1 Objects/Box.lwo", "ShowObject 4 7",
                            "ObjectMotion", "NumChannels 9", "Channel 0", "{ Envelope", "  1"}) +
                     "  Key 0 0";
  Loaded s(scene(text));
  ASSERT_TRUE(s.file) << s.error;
  EXPECT_EQ(s.problems, Problems{"9: block not closed at the end of the file"});
  ASSERT_EQ(s.scene.objects().size(), 1u);
  EXPECT_EQ(s.item(kObjectBase).name, "Box");
  EXPECT_EQ(s.item(kObjectBase).display, 4);
  EXPECT_EQ(s.saved_text(), text);
}

TEST_F(Malformed, EveryPrefixOfASceneLoadsAndSavesBackUnchanged) {
  std::string text = lines({"LWSC",
                            "3",
                            "",
                            "LoadObjectLayer 1 Objects/Box.lwo",
                            "ShowObject 5 7",
                            "ObjectMotion",
                            "NumChannels 1",
                            "Channel 0",
                            "{ Envelope",
                            "  1",
                            "  Key 0 0 0 0 0 0 0 0 0",
                            "}",
                            "ParentItem 10000001",
                            "",
                            "AddBone",
                            "BoneName Hip",
                            "BoneActive 0",
                            "",
                            "AddNullObject Root Null",
                            "Plugin ItemMotionHandler 1 Foo",
                            "data",
                            "EndPlugin",
                            "",
                            "AddLight",
                            "LightName Key",
                            "ShowLight 1 7",
                            "ParentItem 10000001",
                            "",
                            "AddCamera",
                            "CameraName Cam"},
                           "\r\n");
  for (std::size_t size = 0; size <= text.size(); ++size) {
    std::string prefix = text.substr(0, size);
    qbhost::Scene scene;
    Problems problems;
    std::string error;
    qbhost::SceneFilePtr file =
        qbhost::load_scene_text(dir_.file("scene.lws"), prefix, scene, problems, error);
    if (size < 4) {
      EXPECT_FALSE(file) << size;
      EXPECT_FALSE(error.empty());
      continue;
    }
    ASSERT_TRUE(file) << size << ": " << error;
    Problems ignored;
    EXPECT_EQ(qbhost::scene_file_text(dir_.file("scene.lws"), scene, file.get(), ignored), prefix) << size;
    EXPECT_EQ(ignored, Problems{});
  }
}

TEST_F(Malformed, UnknownOrMissingVersion) {
  Loaded future(scene(lines({"LWSC", "7", "", "AddNullObject 10000000 Root", "AddLight 20000000",
                             "LightName Sun", "ParentItem 10000000"})));
  ASSERT_TRUE(future.file) << future.error;
  EXPECT_EQ(future.problems, Problems{"2: unknown version 7; read as version 5"});
  EXPECT_EQ(future.item(kObjectBase).name, "Root");
  EXPECT_EQ(future.item(kLightBase).parent, kObjectBase);

  Loaded garbled(scene(lines({"LWSC", "three", "AddNullObject Root"})));
  ASSERT_TRUE(garbled.file) << garbled.error;
  EXPECT_EQ(garbled.problems, Problems{"2: not a version number: three; read as version 3"});
  EXPECT_EQ(garbled.item(kObjectBase).name, "Root");

  Loaded header_only(scene("LWSC\n"));
  ASSERT_TRUE(header_only.file) << header_only.error;
  EXPECT_EQ(header_only.problems, Problems{"2: the file ends before its version number"});
  EXPECT_EQ(header_only.scene.size(), 0u);
}

TEST_F(Malformed, NotASceneFileLeavesTheSceneAsItWas) {
  for (const std::string &text :
       {std::string(), std::string("FORM\0\0\0\4LWO2", 12), std::string("LWS\n3\n")}) {
    qbhost::Scene kept;
    kept.add_null("Kept");
    Problems problems;
    std::string error;
    qbhost::SceneFilePtr file = qbhost::load_scene_file(scene(text), kept, problems, error);
    EXPECT_FALSE(file);
    EXPECT_EQ(error, "not a LightWave scene file (no LWSC line)");
    EXPECT_EQ(problems, Problems{});
    EXPECT_EQ(kept.find_by_name("Kept"), kObjectBase);
  }
  qbhost::Scene scene;
  Problems problems;
  std::string error;
  EXPECT_FALSE(qbhost::load_scene_file(dir_.file("absent.lws"), scene, problems, error));
  EXPECT_EQ(error, "cannot read " + dir_.file("absent.lws"));
  EXPECT_FALSE(qbhost::load_scene_file(dir_.path.string(), scene, problems, error));
  EXPECT_EQ(error, "cannot read " + dir_.path.string() + ": it is a folder");
}

TEST_F(Malformed, ParentsThatDoNotExistOrMakeACycle) {
  Loaded s(
      scene(lines({"LWSC", "3", "", "AddNullObject A", "ParentItem 10000009", "", "AddNullObject B",
                   "ParentItem 10000002", "", "AddNullObject C", "ParentItem 10000001", "", "AddNullObject D",
                   "ParentItem zz", "ParentItem 10000009", "", "AddLight", "ParentItem 40000000"})));
  ASSERT_TRUE(s.file) << s.error;
  // In line order; the second reference to 10000009 (line 15) is the same problem.
  EXPECT_EQ(s.problems, (Problems{"5: ParentItem names no item of this scene: 10000009",
                                  "11: ParentItem 10000001 would make the item its own ancestor",
                                  "14: ParentItem needs an item number: zz",
                                  "18: ParentItem names no item of this scene: 40000000"}));
  EXPECT_EQ(s.item(kObjectBase).parent, 0u);
  EXPECT_EQ(s.item(kObjectBase + 1).parent, kObjectBase + 2);
  EXPECT_EQ(s.item(kObjectBase + 2).parent, 0u);
  EXPECT_EQ(s.item(kObjectBase + 3).parent, 0u);
  EXPECT_EQ(s.item(kLightBase).parent, 0u);
}

TEST_F(Malformed, MissingUnreadableAndShortObjectFiles) {
  dir_.write("Objects/Broken.lwo", "a text file with the wrong name");
  dir_.write("Objects/Two.lwo", lwo_with_layers({"A", "B"}));
  Loaded s(scene(lines({"LWSC", "3", "", "LoadObjectLayer 1 Objects/Gone.lwo",
                        "LoadObjectLayer 1 Objects/Broken.lwo", "LoadObjectLayer 3 Objects/Two.lwo",
                        "LoadObjectLayer 1 Objects\\Gone.lwo", "LoadObjectLayer 1 Objects/Gone.lwo",
                        "LoadObjectLayer 0 Objects/Box.lwo", "LoadObjectLayer 1"})));
  ASSERT_TRUE(s.file) << s.error;
  EXPECT_EQ(s.problems,
            (Problems{"4: object file not found: Objects/Gone.lwo",
                      "5: not a readable object file: Objects/Broken.lwo", "6: no layer 3 in Objects/Two.lwo",
                      "7: object file not found: Objects\\Gone.lwo", "9: layer number must be 1 or more: 0",
                      "10: LoadObjectLayer without an object file"}));
  std::vector<std::string> names, files;
  for (ItemId id : s.scene.objects()) names.push_back(s.item(id).name), files.push_back(s.item(id).file);
  EXPECT_EQ(names, (Problems{"Gone", "Broken", "Two", "Gone (2)", "Gone (3)", "Box", ""}));
  // A file that cannot be found is reported as the scene gives it.
  EXPECT_EQ(files[0], "Objects/Gone.lwo");
  EXPECT_EQ(files[3], "Objects\\Gone.lwo");
  EXPECT_EQ(files[6], "");
  EXPECT_EQ(s.item(kObjectBase + 5).layer, 1);
}

TEST_F(Malformed, StatementsOutOfPlace) {
  Loaded s(scene(lines({"LWSC",
                        "3",
                        "",
                        "LightName Nobody",
                        "AddBone",
                        "BoneName Lost",
                        "BoneActive 0",
                        "LoadObjectLayer 1 Objects/Box.lwo",
                        "ShowObject 9 7",
                        "ShowLight 1 7",
                        "AddBone",
                        "BoneName Hip",
                        "BoneActive 2",
                        "ShowObject 2 7",
                        "}",
                        "Plugin MasterHandler 1 X",
                        "Stuff",
                        "AddLight",
                        "LightName Sun",
                        "{ Envelope",
                        "  Key 1"})));
  ASSERT_TRUE(s.file) << s.error;
  EXPECT_EQ(s.problems,
            (Problems{"4: LightName outside a light", "5: AddBone before any object",
                      "9: ShowObject needs a display value from 0 to 7: 9", "10: ShowLight outside a light",
                      "13: BoneActive needs 0 or 1: 2", "15: } without a block to close",
                      "16: plugin block not closed before line 18",
                      "20: block not closed at the end of the file"}));
  // Statements of the bone that could not be added are not applied elsewhere.
  ASSERT_EQ(s.scene.objects().size(), 1u);
  EXPECT_EQ(s.item(kBoneBase).name, "Hip");
  EXPECT_TRUE(s.item(kBoneBase).active);
  // ShowObject after a bone is the object's.
  EXPECT_EQ(s.item(kObjectBase).display, 2);
  EXPECT_EQ(s.item(kLightBase).name, "Sun");
}

TEST_F(Malformed, RepeatedBakedNumbers) {
  Loaded s(scene(lines({"LWSC", "5", "", "AddNullObject 10000000 First", "AddNullObject 10000000 Second",
                        "AddLight 20000000", "ParentItem 10000000"})));
  ASSERT_TRUE(s.file) << s.error;
  EXPECT_EQ(s.problems, Problems{"5: item number 10000000 is already used on line 4"});
  EXPECT_EQ(s.item(kLightBase).parent, kObjectBase);
  // The second null keeps its place and state; only nothing can name it.
  EXPECT_EQ(s.item(kObjectBase + 1).name, "Second");
}

}  // namespace
