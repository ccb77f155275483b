// Scene files written here for what the real ones at hand do not show:
// version 1 (implicit camera, ParentObject, Windows paths without
// extensions, CRLF), version 4 (baked item numbers out of order), object
// names from layer tables, repeated names, and paths relative to a content
// folder.
#include "tests/unit/lws/lws_test_support.h"

namespace {

using namespace lws_test;
using qbhost::ItemId;
using qbhost::kBoneBase;
using qbhost::kCameraBase;
using qbhost::kLightBase;
using qbhost::kObjectBase;

const std::string kCrlf = "\r\n";

// Content/Scenes/robot.lws in version 1, written on Windows.
std::string version1_scene() {
  return lines({"LWSC",
                "1",
                "",
                "FirstFrame 1",
                "LastFrame 60",
                "",
                "LoadObject C:\\LW\\Objects\\Robot.lwo",
                "ShowObject 6 7",
                "ObjectMotion (unnamed)",
                "  9",
                "  1",
                "  0 0 0 0 0 0 1 1 1",
                "  0 0 0 0 0",
                "EndBehavior 1",
                "",
                "AddNullObject Rig Root",
                "ShowObject 6 7",
                "",
                "LoadObject Objects\\Robot",
                "ShowObject 4 7",
                "ParentObject 2",
                "",
                "AmbientColor 255 255 255",
                "",
                "AddLight",
                "LightName Key Light",
                "ShowLight 0 5",
                "ParentObject 1",
                "",
                "ShowCamera 1 7",
                "CameraMotion (unnamed)",
                "  6",
                "  1",
                "  0 0 0 0 0 0",
                "  0 0 0 0 0",
                "EndBehavior 1",
                "ZoomFactor 3.2"},
               kCrlf);
}

// Loading what the scenes/version1_crlf trace does not show (the paths, the
// implicit camera and ParentObject are stated there), then edits saved in
// the file's own statements with its CRLF endings.
TEST(LwsVersion1, LoadsAndSavesEditsInVersion1StatementsWithCrlf) {
  TempDir dir;
  dir.write("Content/Objects/Robot.lwo", lwo_with_layers({""}));
  std::string original = version1_scene();
  std::string path = dir.write("Content/Scenes/robot.lws", original);
  Loaded s(path);
  ASSERT_TRUE(s.file) << s.error;
  EXPECT_EQ(s.problems, std::vector<std::string>{});
  EXPECT_EQ(s.item(kObjectBase + 1).name, "Rig Root");
  EXPECT_EQ(s.item(kLightBase).parent, kObjectBase);
  EXPECT_EQ(s.item(kLightBase).display, 0);
  EXPECT_EQ(s.saved_text(), original);

  s.scene.rename(kLightBase, "Key_R_Light");
  s.scene.set_display(kCameraBase, 0);
  ASSERT_TRUE(s.scene.set_parent(kObjectBase + 2, kObjectBase));
  ASSERT_TRUE(s.scene.set_parent(kObjectBase + 1, kObjectBase));  // had no ParentObject line
  std::vector<std::string> problems;
  std::string saved = qbhost::scene_file_text(path, s.scene, s.file.get(), problems);
  EXPECT_EQ(problems, std::vector<std::string>{});
  LineEdits expected;
  expected.eol = kCrlf;
  expected.replace[26] = "LightName Key_R_Light";
  expected.replace[30] = "ShowCamera 0 7";
  expected.replace[21] = "ParentObject 1";
  expected.insert_after[17] = {"ParentObject 1"};
  EXPECT_EQ(saved, expected.apply(original));

  // A camera of version 1 has no name statement to hold a new name, and
  // only objects can be parents there.
  s.scene.rename(kCameraBase, "Shot Cam");
  ASSERT_TRUE(s.scene.set_parent(kLightBase, kCameraBase));
  problems.clear();
  EXPECT_EQ(qbhost::scene_file_text(path, s.scene, s.file.get(), problems), expected.apply(original));
  EXPECT_EQ(problems,
            (std::vector<std::string>{
                "item \"Key_R_Light\" (0x20000000): scene files of version 1 parent items to objects "
                "only; the parent is not saved",
                "item \"Shot Cam\" (0x30000000): version 1 scene files do not name the camera; the name "
                "is not saved"}));
}

// Version 4: item numbers are baked on the declaration lines, need not be in
// order, and parents are found by them, never by counting.
std::string version4_scene() {
  return lines({"LWSC",
                "4",
                "",
                "LoadObjectLayer 1 10000007 Objects/Body.lwo",
                "ChangeObject 0",
                "ShowObject 6 -1 0.1 0.2 0.3",
                "ParentItem 10000003",
                "",
                "AddBone 40000007",
                "BoneName Arm_L_Up",
                "ShowBone 0 7",
                "BoneActive 0",
                "ParentItem 40010007",
                "",
                "AddBone 40010007",
                "BoneName Spine",
                "ShowBone 1 7",
                "BoneActive 1",
                "",
                "AddNullObject 10000003 Root Null",
                "ShowObject 1 7",
                "",
                "AddLight 2000000a",
                "LightName Sun",
                "ShowLight 1 7",
                "ParentItem 10000003",
                "",
                "AddCamera 30000005",
                "CameraName Cam",
                "ShowCamera 1 7",
                "ParentItem 2000000a"});
}

// Loading by baked numbers is stated by the scenes/version4_ids trace, all
// but a bone whose parent bone is declared after it.
TEST(LwsVersion4, EditsWriteBakedNumbersAndReplacedLayers) {
  TempDir dir;
  std::string body_file = dir.write("Objects/Body.lwo", lwo_with_layers({"Torso", "Head"}));
  std::string original = version4_scene();
  std::string path = dir.write("rig.lws", original);
  Loaded s(path);
  ASSERT_TRUE(s.file) << s.error;
  EXPECT_EQ(s.problems, std::vector<std::string>{});
  const ItemId body = kObjectBase, root = kObjectBase + 1, arm = kBoneBase;
  EXPECT_EQ(s.item(body).name, "Body:Torso");
  EXPECT_EQ(s.item(arm).parent, kBoneBase + (1u << 16));
  s.scene.rename(arm, "Arm_R_Up");
  s.scene.set_active(arm, true);
  s.scene.set_display(arm, 1);
  ASSERT_TRUE(s.scene.set_parent(kCameraBase, body));
  s.scene.set_file(body, s.item(body).file, 2);
  s.scene.rename(body, "Body:Head");
  s.scene.set_display(root, 0);
  std::vector<std::string> problems;
  std::string saved = qbhost::scene_file_text(path, s.scene, s.file.get(), problems);
  EXPECT_EQ(problems, std::vector<std::string>{});
  LineEdits expected;
  expected.replace[4] = "LoadObjectLayer 2 10000007 Objects/Body.lwo";
  expected.replace[10] = "BoneName Arm_R_Up";
  expected.replace[11] = "ShowBone 1 7";
  expected.replace[12] = "BoneActive 1";
  expected.replace[21] = "ShowObject 0 7";
  expected.replace[31] = "ParentItem 10000007";
  EXPECT_EQ(saved, expected.apply(original));

  std::string error;
  ASSERT_TRUE(qbhost::save_scene_file(path, s.scene, s.file.get(), error)) << error;
  Loaded again(path);
  ASSERT_TRUE(again.file) << again.error;
  EXPECT_EQ(again.problems, std::vector<std::string>{});
  EXPECT_EQ(again.item(body).name, "Body:Head");
  EXPECT_EQ(again.item(body).layer, 2);
  EXPECT_TRUE(fs::equivalent(again.item(body).file, body_file));
  EXPECT_EQ(again.item(arm).name, "Arm_R_Up");
  EXPECT_TRUE(again.item(arm).active);
  EXPECT_EQ(again.item(arm).display, 1);
  EXPECT_EQ(again.item(root).display, 0);
  EXPECT_EQ(again.item(kCameraBase).parent, body);
}

TEST(LwsObjectNames, LayerNamesAndRepeatsInLoadOrder) {
  TempDir dir;
  dir.write("Objects/cube.lwo", lwo_with_layers({"Only"}));
  dir.write("Objects/robot.lwo", lwo_with_layers({"Body", "Arm", ""}));
  std::string path = dir.write(
      "names.lws", lines({"LWSC", "3", "", "LoadObjectLayer 1 Objects/cube.lwo",
                          "LoadObjectLayer 1 Objects/cube.lwo", "LoadObjectLayer 2 Objects/robot.lwo",
                          "LoadObjectLayer 1 Objects/robot.lwo", "LoadObjectLayer 2 Objects/robot.lwo",
                          "LoadObjectLayer 3 Objects/robot.lwo", "AddNullObject cube",
                          "LoadObjectLayer 1 Objects/cube.lwo", "AddNullObject Null", "AddNullObject Null"}));
  Loaded s(path);
  ASSERT_TRUE(s.file) << s.error;
  EXPECT_EQ(s.problems, std::vector<std::string>{});
  std::vector<std::string> names;
  for (ItemId id : s.scene.objects()) names.push_back(s.item(id).name);
  EXPECT_EQ(names, (std::vector<std::string>{"cube", "cube (2)", "robot:Arm", "robot:Body", "robot:Arm (2)",
                                             "robot:Layer3", "cube (3)", "cube (4)", "Null", "Null (2)"}));
  EXPECT_EQ(s.item(kObjectBase + 2).layer, 2);
  EXPECT_EQ(s.item(kObjectBase + 6).file, "");  // the null
  // Names given for repeats are the host's, not the file's: saving unchanged
  // writes the file's own lines back.
  EXPECT_EQ(s.saved_text(), read_bytes(path));
}

TEST(LwsObjectPaths, SceneFolderFirstThenContentFolderThenShorterTails) {
  TempDir dir;
  dir.write("Content/Objects/Box.lwo", lwo_with_layers({""}));
  dir.write("Content/Scenes/Objects/Box.lwo", lwo_with_layers({"A", "B"}));
  dir.write("Content/Objects/Props/Lamp.lwo", lwo_with_layers({""}));
  std::string path = dir.write(
      "Content/Scenes/paths.lws",
      lines({"LWSC", "3", "", "LoadObjectLayer 1 Objects\\Box.lwo", "LoadObjectLayer 1 ..\\Objects\\Box.lwo",
             "LoadObjectLayer 1 D:\\Work\\Content\\Objects\\Props\\Lamp.lwo",
             "LoadObjectLayer 1 Objects/Props/Lamp.lwo"}));
  Loaded s(path);
  ASSERT_TRUE(s.file) << s.error;
  EXPECT_EQ(s.problems, std::vector<std::string>{});
  EXPECT_TRUE(fs::equivalent(s.item(kObjectBase).file, dir.file("Content/Scenes/Objects/Box.lwo")));
  EXPECT_EQ(s.item(kObjectBase).name, "Box:A");
  EXPECT_TRUE(fs::equivalent(s.item(kObjectBase + 1).file, dir.file("Content/Objects/Box.lwo")));
  EXPECT_EQ(s.item(kObjectBase + 1).name, "Box");
  EXPECT_TRUE(fs::equivalent(s.item(kObjectBase + 2).file, dir.file("Content/Objects/Props/Lamp.lwo")));
  EXPECT_TRUE(fs::equivalent(s.item(kObjectBase + 3).file, dir.file("Content/Objects/Props/Lamp.lwo")));
  EXPECT_EQ(s.item(kObjectBase + 3).name, "Lamp (2)");
  for (ItemId id : s.scene.objects()) {
    EXPECT_EQ(s.item(id).file.find('\\'), std::string::npos) << s.item(id).file;
  }
}

TEST(LwsLineEndings, CrlfAndAMissingFinalLineEndStayAsTheyWere) {
  TempDir dir;
  std::string text =
      lines({"LWSC", "3", "", "AddNullObject A", "ShowObject 6 7", "", "AddLight", "LightName L"},
            kCrlf) +
      "ShowLight 1 7";  // no ending on the last line
  std::string path = dir.write("crlf.lws", text);
  Loaded s(path);
  ASSERT_TRUE(s.file) << s.error;
  EXPECT_EQ(s.saved_text(), text);
  s.scene.rename(kObjectBase, "B");
  s.scene.set_display(kLightBase, 0);
  s.scene.add_null("C");
  std::string saved = s.saved_text();
  EXPECT_EQ(saved, lines({"LWSC", "3", "", "AddNullObject B", "ShowObject 6 7", "", "AddLight", "LightName L",
                          "ShowLight 0 7", "", "AddNullObject C", "ShowObject 6 7"},
                         kCrlf));
}

TEST(LwsNewItems, ItemsMadeAfterLoadingAreDeclaredAndNumbered) {
  TempDir dir;
  dir.write("Objects/Body.lwo", lwo_with_layers({""}));
  std::string path = dir.write(
      "rig.lws", lines({"LWSC", "3", "", "LoadObjectLayer 1 Objects/Body.lwo", "ShowObject 6 7", "",
                        "AddBone", "BoneName Hip", "ShowBone 1 7", "", "AddNullObject Root", "", "AddLight",
                        "LightName Key", "ShowLight 1 7", "", "AddCamera", "CameraName Cam"}));
  Loaded s(path);
  ASSERT_TRUE(s.file) << s.error;
  const ItemId body = kObjectBase, root = kObjectBase + 1, hip = kBoneBase;
  qbhost::ItemOptions under_hip;
  under_hip.parent = hip;
  ItemId knee = s.scene.add_bone(body, "Knee_L_", under_hip);
  qbhost::ItemOptions under_root;
  under_root.parent = root;
  under_root.display = 2;
  ItemId prop = s.scene.add_mesh("Body", dir.file("Objects/Body.lwo"), under_root);
  ItemId handle = s.scene.add_null("Handle");
  qbhost::ItemOptions light_under_root;
  light_under_root.parent = root;
  ItemId fill = s.scene.add_light("Fill", light_under_root);
  ASSERT_TRUE(knee && prop && handle && fill);
  ASSERT_TRUE(s.scene.set_parent(root, handle));  // an item of the file under a new one

  std::string error;
  std::vector<std::string> problems;
  ASSERT_TRUE(qbhost::save_scene_file(path, s.scene, s.file.get(), problems, error)) << error;
  EXPECT_EQ(problems, std::vector<std::string>{});
  Loaded again(path);
  ASSERT_TRUE(again.file) << again.error;
  EXPECT_EQ(again.problems, std::vector<std::string>{});
  for (const ItemId id : s.scene.scene_order()) {
    SCOPED_TRACE(s.item(id).name);
    const qbhost::Item &was = s.item(id);
    const qbhost::Item &now = again.item(id);
    EXPECT_EQ(now.type, was.type);
    EXPECT_EQ(now.parent, was.parent);
    EXPECT_EQ(now.display, was.display);
    EXPECT_EQ(now.active, was.active);
    EXPECT_EQ(now.layer, was.layer);
    EXPECT_EQ(now.file.empty(), was.file.empty());
  }
  EXPECT_EQ(again.item(knee).name, "Knee_L_");
  EXPECT_EQ(again.item(knee).object, body);
  EXPECT_EQ(again.item(prop).name, "Body (2)");
  EXPECT_EQ(again.item(handle).name, "Handle");
  EXPECT_EQ(again.item(fill).name, "Fill");
}

TEST(LwsNewItems, ASceneWithoutFileIsSavedAsANewVersion3File) {
  TempDir dir;
  std::string mesh_file = dir.write("Objects/Arm.lwo", lwo_with_layers({""}));
  qbhost::Scene scene;
  ItemId rig = scene.add_null("Rig");
  qbhost::ItemOptions opt;
  opt.parent = rig;
  ItemId arm = scene.add_mesh("Arm", mesh_file, opt);
  ItemId up = scene.add_bone(arm, "Arm_L_Up");
  opt.parent = up;
  opt.inactive = true;
  ItemId low = scene.add_bone(arm, "Arm_L_Low", opt);
  ItemId cam = scene.add_camera("Cam");
  std::string path = dir.file("new.lws");
  std::string error;
  std::vector<std::string> problems;
  ASSERT_TRUE(qbhost::save_scene_file(path, scene, nullptr, problems, error)) << error;
  EXPECT_EQ(problems, std::vector<std::string>{});
  EXPECT_EQ(read_bytes(path), lines({"LWSC",
                                     "3",
                                     "",
                                     "AddNullObject Rig",
                                     "ShowObject 6 7",
                                     "",
                                     "LoadObjectLayer 1 Objects/Arm.lwo",
                                     "ShowObject 6 7",
                                     "ParentItem 10000000",
                                     "",
                                     "AddBone",
                                     "BoneName Arm_L_Up",
                                     "ShowBone 1 7",
                                     "BoneActive 1",
                                     "",
                                     "AddBone",
                                     "BoneName Arm_L_Low",
                                     "ShowBone 1 7",
                                     "BoneActive 0",
                                     "ParentItem 40000001",
                                     "",
                                     "AddCamera",
                                     "CameraName Cam",
                                     "ShowCamera 1 7"}));
  Loaded again(path);
  ASSERT_TRUE(again.file) << again.error;
  EXPECT_EQ(again.item(arm).parent, rig);
  EXPECT_EQ(again.item(low).parent, up);
  EXPECT_FALSE(again.item(low).active);
  EXPECT_EQ(again.item(cam).name, "Cam");
}

TEST(LwsUnsavable, ChangesTheFileCannotHoldAreReportedAndLeaveItsLinesAlone) {
  TempDir dir;
  dir.write("Objects/Box.lwo", lwo_with_layers({""}));
  std::string original = lines({"LWSC", "3", "", "LoadObjectLayer 1 Objects/Box.lwo", "ShowObject 6 7", "",
                                "AddNullObject Handle", "", "AddLight", "LightName Key"});
  std::string path = dir.write("s.lws", original);
  Loaded s(path);
  ASSERT_TRUE(s.file) << s.error;
  s.scene.rename(kObjectBase, "Crate");
  s.scene.set_active(kLightBase, false);
  s.scene.rename(kObjectBase + 1, "Two\nLines");
  ItemId loose = s.scene.add_bone(kObjectBase, "Loose");
  ASSERT_TRUE(s.scene.set_parent(loose, 0));
  std::vector<std::string> problems;
  std::string saved = qbhost::scene_file_text(path, s.scene, s.file.get(), problems);
  // The file's items in file order, then the items it did not hold.
  ASSERT_EQ(problems.size(), 4u);
  EXPECT_EQ(
      problems[0],
      "item \"Crate\" (0x10000000): a mesh object's name comes from its file; the new name is not saved");
  EXPECT_EQ(
      problems[1],
      "item \"Two\nLines\" (0x10000001): a name cannot hold line breaks; saved with blanks in their place");
  EXPECT_EQ(
      problems[2],
      "item \"Key\" (0x20000000): scene files keep no active state for a light; the change is not saved");
  EXPECT_EQ(problems[3],
            "item \"Loose\" (0x40000000): in scene files a bone without a parent hangs from its object");
  LineEdits expected;
  expected.replace[7] = "AddNullObject Two Lines";
  expected.insert_after[6] = {"", "AddBone", "BoneName Loose", "ShowBone 1 7", "BoneActive 1"};
  EXPECT_EQ(saved, expected.apply(original));
}

TEST(LwsSaveErrors, AFailedSaveSaysSoAndLeavesNothingBehind) {
  TempDir dir;
  std::string original = lines({"LWSC", "3", "", "AddNullObject Root"});
  std::string path = dir.write("s.lws", original);
  Loaded s(path);
  ASSERT_TRUE(s.file) << s.error;
  std::string error;
  std::string nowhere = dir.file("no/such/folder/s.lws");
  EXPECT_FALSE(qbhost::save_scene_file(nowhere, s.scene, s.file.get(), error));
  EXPECT_EQ(error, "cannot write " + nowhere);
  // A folder in the way is not replaced, and no temporary file stays.
  fs::create_directories(dir.path / "taken.lws");
  error.clear();
  EXPECT_FALSE(qbhost::save_scene_file(dir.file("taken.lws"), s.scene, s.file.get(), error));
  EXPECT_EQ(error, "cannot write " + dir.file("taken.lws"));
  EXPECT_TRUE(fs::is_directory(dir.path / "taken.lws"));
  EXPECT_EQ(std::distance(fs::directory_iterator(dir.path), fs::directory_iterator()),
            2);  // s.lws, the folder
  EXPECT_EQ(read_bytes(path), original);
}

}  // namespace
