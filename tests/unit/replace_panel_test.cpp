// The object replacer's panel against a small in-process host: built once,
// its settings kept, the path fields following the mode, Run closing it.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "replace_fake_host.h"
#include "tools/replace/object_replacer_panel.h"
#include "tools/tools.h"

namespace {

using replace_test::FakeControl;
using replace_test::FakeHost;
using replace_test::FakePanel;

class ReplacePanel : public ::testing::Test {
 protected:
  void SetUp() override {
    qb::reset_object_replacer_state();
    activate();
  }
  void TearDown() override { qb::reset_object_replacer_state(); }

  // The frame's steps for this tool, then the tool.
  int activate() {
    if (!host.fetch()) return 2;
    qb::select_object_replacer_language(host.locale);
    return qb::run_object_replacer();
  }
  int first_activation() {
    qb::reset_object_replacer_state();
    host.panels.clear();
    return activate();
  }

  FakePanel &panel() { return *host.panels.at(0); }
  FakeControl &control(std::size_t i) { return *panel().controls.at(i); }
  void user_sets_int(std::size_t i, int value) {
    control(i).ints[CTL_VALUE] = value;
    control(i).event(&control(i).base, control(i).user_data);
  }
  void user_sets_text(std::size_t i, const std::string &text) {
    control(i).text = text;
    control(i).event(&control(i).base, control(i).user_data);
  }
  void user_presses(std::size_t i) { control(i).event(&control(i).base, control(i).user_data); }

  FakeHost host;
};

constexpr std::size_t kScope = 0, kMode = 1, kFile = 2, kDirectory = 3, kBorder = 4, kRun = 5;

TEST_F(ReplacePanel, BuildsItsSixControlsOnceAndOpensWithoutBlocking) {
  ASSERT_EQ(host.panels.size(), 1u);
  EXPECT_EQ(panel().title, "QB:ObjectReplacer(1.00) ");
  EXPECT_EQ(panel().open_flags, PANF_NOBUTT);
  EXPECT_EQ(panel().ints.at(PAN_W), 280);
  EXPECT_EQ(panel().ints.at(PAN_H), 165);

  const std::vector<std::string> types = {"PopupControl", "ChoiceControl", "FileControl",
                                          "DirControl",   "BorderControl", "ButtonControl"};
  const std::vector<std::string> labels = {"Target", "Mode", "File", "Directory", "", "Run"};
  const std::vector<std::pair<int, int>> places = {{50, 0}, {43, 25}, {34, 60}, {18, 85}, {5, 125}, {376, 130}};
  ASSERT_EQ(panel().controls.size(), 6u);
  for (std::size_t i = 0; i < 6; ++i) {
    SCOPED_TRACE(i);
    EXPECT_EQ(control(i).type, types[i]);
    EXPECT_EQ(control(i).label, labels[i]);
    EXPECT_EQ(control(i).ints.at(CTL_X), places[i].first);
    EXPECT_EQ(control(i).ints.at(CTL_Y), places[i].second);
    EXPECT_EQ(control(i).event == nullptr, i == kBorder);
    EXPECT_EQ(control(i).user_data == nullptr, i == kBorder);
  }
  EXPECT_STREQ(control(kScope).desc.items[1], "Select Item + Children");
  EXPECT_EQ(control(kScope).desc.width, 200);
  EXPECT_STREQ(control(kMode).desc.items[1], "Select directory");
  EXPECT_EQ(control(kMode).desc.vertical, 0);
  EXPECT_EQ(control(kFile).desc.width, 65);
  EXPECT_EQ(control(kBorder).desc.width, 510);
  EXPECT_EQ(control(kBorder).desc.height, 30);
  EXPECT_EQ(control(kRun).desc.width, 100);

  EXPECT_EQ(activate(), 0);
  EXPECT_EQ(host.panels.size(), 1u);
  EXPECT_EQ(panel().opened, 2);
  EXPECT_EQ(panel().controls.size(), 6u);
}

TEST_F(ReplacePanel, RunButtonEndsWhereTheLabelWidthPutsIt) {
  host.locale = 1041;
  ASSERT_EQ(first_activation(), 0);
  // "実行" is four bytes in Shift-JIS, eight pixels each.
  EXPECT_EQ(control(kRun).label, "\x8e\xc0\x8d\x73");
  EXPECT_EQ(control(kRun).ints.at(CTL_X), 400 - 32);
}

TEST_F(ReplacePanel, DefaultFileComesFromTheFirstSelectedMeshObjectAtTheFirstBuildOnly) {
  LWItemID lamp = host.add_light("Lamp");
  LWItemID capital = host.add_mesh("Crate", "Objects/Crate.LWO");
  LWItemID car = host.add_mesh("Car:Wheel", "Objects/Car.lwo");
  LWItemID van = host.add_mesh("Van", "Objects/Van.lwo");
  host.selection = {lamp, capital, car, van};
  ASSERT_EQ(first_activation(), 0);
  EXPECT_EQ(control(kFile).text, "Objects/Car.lwo");
  EXPECT_EQ(qb::existing_object_replacer_state()->file_path, "Objects/Car.lwo");

  user_sets_text(kFile, "");
  host.selection = {van};
  EXPECT_EQ(activate(), 0);
  EXPECT_EQ(control(kFile).text, "");
  EXPECT_EQ(qb::existing_object_replacer_state()->file_path, "");

  host.selection = {lamp};
  ASSERT_EQ(first_activation(), 0);
  EXPECT_EQ(control(kFile).text, "");
}

TEST_F(ReplacePanel, ModeGhostsTheFieldItDoesNotUse) {
  EXPECT_EQ(control(kFile).drawn, DR_RENDER);
  EXPECT_EQ(control(kDirectory).drawn, DR_GHOST);
  user_sets_int(kMode, 1);
  EXPECT_EQ(control(kFile).drawn, DR_GHOST);
  EXPECT_EQ(control(kDirectory).drawn, DR_RENDER);
  user_sets_int(kMode, 0);
  EXPECT_EQ(control(kFile).drawn, DR_RENDER);
  EXPECT_EQ(control(kDirectory).drawn, DR_GHOST);
}

TEST_F(ReplacePanel, RunUsesTheSettingsClosesThePanelAndKeepsThem) {
  LWItemID wheel = host.add_mesh("Car:Wheel", "car.lwo");
  host.selection = {wheel};
  user_sets_int(kScope, 2);
  user_sets_int(kMode, 1);
  user_sets_text(kFile, "absent.lwo");
  user_sets_text(kDirectory, "no/such/directory");
  user_presses(kRun);
  EXPECT_EQ(panel().closed, 1);
  // Nothing could be read, so only the selection was given back.
  EXPECT_EQ(host.commands, std::vector<std::string>{"SelectItem 0x10000000"});

  const qb::ObjectReplacerState &state = *qb::existing_object_replacer_state();
  EXPECT_EQ(state.scope, 2);
  EXPECT_EQ(state.mode, 1);
  EXPECT_EQ(state.file_path, "absent.lwo");
  EXPECT_EQ(state.directory_path, "no/such/directory");
  EXPECT_EQ(activate(), 0);
  EXPECT_EQ(host.panels.size(), 1u);
  EXPECT_EQ(control(kScope).ints.at(CTL_VALUE), 2);
  EXPECT_EQ(control(kMode).ints.at(CTL_VALUE), 1);
  EXPECT_EQ(control(kFile).text, "absent.lwo");
  EXPECT_EQ(control(kDirectory).text, "no/such/directory");
}

TEST_F(ReplacePanel, FieldTextsAreCutAtTheBufferSize) {
  user_sets_text(kFile, std::string(600, 'p'));
  EXPECT_EQ(qb::existing_object_replacer_state()->file_path, std::string(511, 'p'));
}

TEST_F(ReplacePanel, APanelThatCannotBeCreatedEndsTheActivationWithTwo) {
  host.fail_panels = true;
  qb::reset_object_replacer_state();
  EXPECT_EQ(activate(), 2);
  host.fail_panels = false;
  EXPECT_EQ(activate(), 0);
  EXPECT_EQ(host.panels.size(), 2u);
}

TEST_F(ReplacePanel, ASelectionThatCannotBeReadStillGivesAWholePanel) {
  qb::reset_object_replacer_state();
  host.panels.clear();
  ASSERT_TRUE(host.fetch());
  qb::select_object_replacer_language(host.locale);
  host.interface_info_gone = true;
  EXPECT_EQ(qb::run_object_replacer(), 0);
  ASSERT_EQ(host.panels.size(), 1u);
  EXPECT_EQ(panel().controls.size(), 6u);
  EXPECT_EQ(control(kFile).text, "");
  EXPECT_EQ(host.commands,
            std::vector<std::string>{"StatusMsg *** ERROR: g_global( LWINTERFACEINFO_GLOBAL, GFUSE_TRANSIENT ) ***"});
}

}  // namespace
