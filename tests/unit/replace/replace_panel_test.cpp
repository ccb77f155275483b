// The object replacer's panel against a small in-process host: built once,
// its settings kept, the path fields following the mode, Run closing it.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/unit/support/qbhost_fixture.h"
#include "tools/replace/object_replacer_panel.h"
#include "tools/tools.h"

namespace {

class ReplacePanel : public ::testing::Test {
 protected:
  void SetUp() override {
    qb::reset_tool_state<qb::replace::ObjectReplacerState>();
    activate();
  }
  void TearDown() override { qb::reset_tool_state<qb::replace::ObjectReplacerState>(); }

  // The frame's steps for this tool, then the tool.
  int activate() {
    if (!host.fetch()) return 2;
    qb::replace::select_object_replacer_language(host.settings().locale);
    return qb::replace::run_object_replacer();
  }
  // A module that has not built its panel yet, on a host whose earlier
  // panels are gone.
  void forget_panels() {
    qb::reset_tool_state<qb::replace::ObjectReplacerState>();
    qbhost::drop_panels(host.state());
    first_panel = host.state().panels.size();
  }
  int first_activation() {
    forget_panels();
    return activate();
  }
  std::size_t panels() { return host.state().panels.size() - first_panel; }

  qbhost::Panel &panel() { return *host.state().panels.at(first_panel); }
  qbhost::Control &control(std::size_t i) { return *panel().controls.at(i); }
  // What the user does, as the host passes it on: the value, then the event.
  void user_sets_int(std::size_t i, int value) {
    control(i).int_value = value;
    user_presses(i);
  }
  void user_sets_text(std::size_t i, const std::string &text) {
    control(i).kind = qbhost::ValueKind::Text;
    control(i).text_value = text;
    user_presses(i);
  }
  void user_presses(std::size_t i) { control(i).event(&control(i).handle, control(i).user_data); }

  qbtest::TestHost host;
  std::size_t first_panel = 0;
};

constexpr std::size_t kScope = 0, kMode = 1, kFile = 2, kDirectory = 3, kBorder = 4, kRun = 5;

TEST_F(ReplacePanel, BuildsItsSixControlsOnceAndOpensWithoutBlocking) {
  ASSERT_EQ(panels(), 1u);
  EXPECT_EQ(panel().title, "QB:ObjectReplacer(1.00) ");
  EXPECT_EQ(panel().flags, PANF_NOBUTT);
  EXPECT_EQ(panel().width, 280);
  EXPECT_EQ(panel().height, 165);

  // Types, labels and places are stated by the panel traces.
  ASSERT_EQ(panel().controls.size(), 6u);
  for (std::size_t i = 0; i < 6; ++i) {
    SCOPED_TRACE(i);
    EXPECT_EQ(control(i).event == nullptr, i == kBorder);
    EXPECT_EQ(control(i).user_data == nullptr, i == kBorder);
  }
  EXPECT_EQ(control(kScope).choices.at(1), "Select Item + Children");
  EXPECT_EQ(control(kScope).width, 200);
  EXPECT_EQ(control(kMode).choices.at(1), "Select directory");
  EXPECT_EQ(control(kMode).vertical, 0);
  EXPECT_EQ(control(kFile).width, 65);
  EXPECT_EQ(control(kBorder).width, 510);
  EXPECT_EQ(control(kBorder).height, 30);
  EXPECT_EQ(control(kRun).width, 100);
  EXPECT_EQ(control(kScope).desc_type, LWT_CHOICE);
  EXPECT_EQ(control(kFile).desc_type, LWT_STRING);
  EXPECT_EQ(control(kBorder).desc_type, LWT_AREA);
  EXPECT_EQ(qbhost::panel_funcs()->globalFun, host.global());  // stored before the panel was made

  EXPECT_EQ(activate(), 0);
  EXPECT_EQ(panels(), 1u);
  EXPECT_EQ(host.trace_lines("panel open"), 2);
  EXPECT_EQ(panel().controls.size(), 6u);
}

TEST_F(ReplacePanel, DefaultFileComesFromTheFirstSelectedMeshObjectAtTheFirstBuildOnly) {
  LWItemID lamp = host.light("Lamp");
  LWItemID capital = host.mesh("Crate", "Objects/Crate.LWO");
  LWItemID car = host.mesh("Car:Wheel", "Objects/Car.lwo");
  LWItemID van = host.mesh("Van", "Objects/Van.lwo");
  host.select({lamp, capital, car, van});
  ASSERT_EQ(first_activation(), 0);
  EXPECT_EQ(control(kFile).text_value, "Objects/Car.lwo");
  EXPECT_EQ(qb::existing_tool_state<qb::replace::ObjectReplacerState>()->file_path, "Objects/Car.lwo");

  user_sets_text(kFile, "");
  host.select({van});
  EXPECT_EQ(activate(), 0);
  EXPECT_EQ(control(kFile).text_value, "");
  EXPECT_EQ(qb::existing_tool_state<qb::replace::ObjectReplacerState>()->file_path, "");

  host.select({lamp});
  ASSERT_EQ(first_activation(), 0);
  EXPECT_EQ(control(kFile).text_value, "");
}

TEST_F(ReplacePanel, ModeGhostsTheFieldItDoesNotUse) {
  EXPECT_EQ(control(kFile).draw_mode, DR_RENDER);
  EXPECT_EQ(control(kDirectory).draw_mode, DR_GHOST);
  user_sets_int(kMode, 1);
  EXPECT_EQ(control(kFile).draw_mode, DR_GHOST);
  EXPECT_EQ(control(kDirectory).draw_mode, DR_RENDER);
  user_sets_int(kMode, 0);
  EXPECT_EQ(control(kFile).draw_mode, DR_RENDER);
  EXPECT_EQ(control(kDirectory).draw_mode, DR_GHOST);
}

TEST_F(ReplacePanel, RunUsesTheSettingsClosesThePanelAndKeepsThem) {
  LWItemID wheel = host.mesh("Car:Wheel", "car.lwo");
  host.select({wheel});
  user_sets_int(kScope, 2);
  user_sets_int(kMode, 1);
  user_sets_text(kFile, "absent.lwo");
  user_sets_text(kDirectory, "no/such/directory");
  user_presses(kRun);
  EXPECT_EQ(host.trace_lines("panel close"), 1);
  // Nothing could be read, so only the selection was given back.
  EXPECT_EQ(host.commands, std::vector<std::string>{"SelectItem 0x10000000"});

  const qb::replace::ObjectReplacerState &state = *qb::existing_tool_state<qb::replace::ObjectReplacerState>();
  EXPECT_EQ(state.scope, qb::replace::Scope::kAllMeshes);
  EXPECT_EQ(state.mode, qb::replace::Mode::kDirectory);
  EXPECT_EQ(state.file_path, "absent.lwo");
  EXPECT_EQ(state.directory_path, "no/such/directory");
  EXPECT_EQ(activate(), 0);
  EXPECT_EQ(panels(), 1u);
  EXPECT_EQ(control(kScope).int_value, 2);
  EXPECT_EQ(control(kMode).int_value, 1);
  EXPECT_EQ(control(kFile).text_value, "absent.lwo");
  EXPECT_EQ(control(kDirectory).text_value, "no/such/directory");
}

TEST_F(ReplacePanel, FieldTextsAreCutAtTheBufferSize) {
  user_sets_text(kFile, std::string(600, 'p'));
  EXPECT_EQ(qb::existing_tool_state<qb::replace::ObjectReplacerState>()->file_path, std::string(511, 'p'));
}

TEST_F(ReplacePanel, ASelectionThatCannotBeReadStillGivesAWholePanel) {
  forget_panels();
  ASSERT_TRUE(host.fetch());
  qb::replace::select_object_replacer_language(host.settings().locale);
  host.settings().missing.insert(LWINTERFACEINFO_GLOBAL);
  EXPECT_EQ(qb::replace::run_object_replacer(), 0);
  ASSERT_EQ(panels(), 1u);
  EXPECT_EQ(panel().controls.size(), 6u);
  EXPECT_EQ(control(kFile).text_value, "");
  EXPECT_EQ(host.commands,
            std::vector<std::string>{"StatusMsg *** ERROR: g_global( LWINTERFACEINFO_GLOBAL, GFUSE_TRANSIENT ) ***"});
}

}  // namespace
