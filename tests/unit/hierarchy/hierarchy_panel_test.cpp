// The item tools panel against a headless host: its controls, its life
// cycle and what its buttons send.
#include <gtest/gtest.h>

#include "tests/unit/support/qbhost_fixture.h"
#include "tools/hierarchy/item_tools_state.h"
#include "tools/hierarchy/item_tools_text.h"
#include "tools/tools.h"

using qbtest::TestHost;

namespace {

// The panel record lives for the module's lifetime; each test starts from a
// module that has not built it yet.
struct HierarchyPanel : ::testing::Test {
  TestHost host;
  HierarchyPanel() {
    qb::reset_tool_state<qb::hierarchy::ItemToolsState>();
    qb::hierarchy::g_item_tools_text = qb::hierarchy::kItemToolsTextEn;
    qb::hierarchy::g_item_tools_messages = qb::hierarchy::kItemToolsMessagesEn;
    qb::load_service_table(host.global());
  }
  ~HierarchyPanel() override { qb::reset_tool_state<qb::hierarchy::ItemToolsState>(); }

  qbhost::Panel &panel() { return *host.state().panels.at(0); }
  qbhost::Control &control(int number) { return *panel().controls.at(static_cast<std::size_t>(number - 1)); }
  // The control's event as the host calls it, whether its panel is open or not.
  void press(int number) {
    qbhost::Control &c = control(number);
    ASSERT_NE(c.event, nullptr) << "control " << number;
    c.event(&c.handle, c.user_data);
  }
  void type(int number, const std::string &text) {
    control(number).kind = qbhost::ValueKind::Text;
    control(number).text_value = text;
  }
};

TEST_F(HierarchyPanel, TwentyControlsWithTheirSizesAndEvents) {
  ASSERT_EQ(qb::hierarchy::run_item_tools(), AFUNC_OK);
  ASSERT_EQ(host.state().panels.size(), 1u);
  EXPECT_EQ(panel().title, "QB:ItemTools(1.00) ");
  ASSERT_EQ(panel().controls.size(), 20u);
  // Types, labels and places are stated by the panel traces; what a trace
  // cannot see is sizes, descriptor kinds, events and the panel's record.
  EXPECT_EQ(control(1).width, 320);
  EXPECT_EQ(control(1).height, 28);
  EXPECT_EQ(control(5).desc_type, LWT_BOOLEAN);  // the check box
  EXPECT_EQ(control(2).desc_type, LWT_TEXT);
  EXPECT_EQ(qbhost::panel_funcs()->globalFun, host.global());  // stored before the panel was made
  EXPECT_EQ(control(3).width, 34);
  for (int i : {4, 6, 9, 13, 15, 18, 20}) {
    EXPECT_NE(control(i).event, nullptr) << i;
    EXPECT_EQ(control(i).user_data, qb::existing_tool_state<qb::hierarchy::ItemToolsState>()) << i;
  }
  for (int i : {1, 2, 3, 5, 7, 8, 10, 11, 12, 14, 16, 17, 19}) EXPECT_EQ(control(i).event, nullptr) << i;
}

TEST_F(HierarchyPanel, BuiltOnceOpenedOnceSizedAtEveryOpening) {
  ASSERT_EQ(qb::hierarchy::run_item_tools(), AFUNC_OK);
  EXPECT_TRUE(qb::tool_state<qb::hierarchy::ItemToolsState>().open);
  EXPECT_EQ(panel().width, 320);
  EXPECT_EQ(panel().height, 384);
  ASSERT_EQ(qb::hierarchy::run_item_tools(), AFUNC_OK);
  EXPECT_EQ(host.state().panels.size(), 1u);
  EXPECT_EQ(host.trace_lines("panel open"), 1);

  type(3, "kept");
  press(20);
  EXPECT_FALSE(qb::tool_state<qb::hierarchy::ItemToolsState>().open);
  EXPECT_EQ(host.trace_lines("panel close"), 1);
  panel().width = panel().height = 0;
  ASSERT_EQ(qb::hierarchy::run_item_tools(), AFUNC_OK);
  EXPECT_EQ(host.state().panels.size(), 1u);
  EXPECT_EQ(host.trace_lines("panel open"), 2);
  EXPECT_EQ(panel().width, 320);
  EXPECT_EQ(control(3).text_value, "kept");
}

TEST_F(HierarchyPanel, CloseOnAClosedPanelDoesNothing) {
  ASSERT_EQ(qb::hierarchy::run_item_tools(), AFUNC_OK);
  press(20);
  press(20);
  EXPECT_EQ(host.trace_lines("panel close"), 1);
  EXPECT_TRUE(host.commands.empty());
}

}  // namespace
