// The object replacer's panel against a small in-process host: the records
// a trace cannot print, built once, the field buffer and an unreadable
// selection.  Its layout, default path, mode ghosting and kept settings are
// stated by the replace/panel traces.
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
  std::size_t panels() { return host.state().panels.size() - first_panel; }

  qbhost::Panel &panel() { return *host.state().panels.at(first_panel); }
  qbhost::Control &control(std::size_t i) { return *panel().controls.at(i); }
  // What the user does, as the host passes it on: the value, then the event.
  void user_sets_text(std::size_t i, const std::string &text) {
    control(i).kind = qbhost::ValueKind::Text;
    control(i).text_value = text;
    user_presses(i);
  }
  void user_presses(std::size_t i) { control(i).event(&control(i).handle, control(i).user_data); }

  qbtest::TestHost host;
  std::size_t first_panel = 0;
};

constexpr std::size_t kScope = 0, kMode = 1, kFile = 2, kBorder = 4, kRun = 5;

TEST_F(ReplacePanel, BuildsItsSixControlsOnceAndOpensWithoutBlocking) {
  // Title, size, labels, places and choices are stated by the panel traces.
  ASSERT_EQ(panels(), 1u);
  ASSERT_EQ(panel().controls.size(), 6u);
  for (std::size_t i = 0; i < 6; ++i) {
    SCOPED_TRACE(i);
    EXPECT_EQ(control(i).event == nullptr, i == kBorder);
    EXPECT_EQ(control(i).user_data == nullptr, i == kBorder);
  }
  EXPECT_EQ(control(kScope).width, 200);
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
            std::vector<std::string>{
                "StatusMsg *** ERROR: g_global( LWINTERFACEINFO_GLOBAL, GFUSE_TRANSIENT ) ***"});
}

}  // namespace
