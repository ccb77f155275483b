// The item tools panel against a headless host: its controls, its life
// cycle and what its buttons send.
#include <gtest/gtest.h>

#include "hierarchy_fake_host.h"
#include "tools/hierarchy/item_tools_state.h"
#include "tools/hierarchy/item_tools_text.h"
#include "tools/tools.h"

using hierarchy_test::Control;
using hierarchy_test::FakeHost;
using hierarchy_test::Panel;

namespace {

// The panel record lives for the module's lifetime; each test starts from a
// module that has not built it yet.
struct HierarchyPanel : ::testing::Test {
  FakeHost host;
  HierarchyPanel() {
    qb::item_tools_state() = {};
    qb::g_item_tools_text = qb::kItemToolsTextEn;
    qb::g_item_tools_messages = qb::kItemToolsMessagesEn;
    host.load();
  }
  ~HierarchyPanel() override { qb::item_tools_state() = {}; }

  Panel &panel() { return *host.panels.at(0); }
  Control &control(int number) { return *panel().controls.at(static_cast<std::size_t>(number - 1)); }
  void press(int number) {
    Control &c = control(number);
    ASSERT_NE(c.event, nullptr) << "control " << number;
    c.event(&c.base, c.user_data);
  }
  void type(int number, const std::string &text) { control(number).text = text; }
};

TEST_F(HierarchyPanel, TwentyControlsInOrderWithFieldsLinedUp) {
  ASSERT_EQ(qb::run_item_tools(), AFUNC_OK);
  ASSERT_EQ(host.panels.size(), 1u);
  EXPECT_EQ(panel().title, "QB:ItemTools(1.00) ");
  ASSERT_EQ(panel().controls.size(), 20u);
  const char *types[] = {"BorderControl", "TextControl",   "EditControl",   "ButtonControl", "BoolControl",
                         "ButtonControl", "BorderControl", "TextControl",   "ButtonControl", "BorderControl",
                         "TextControl",   "EditControl",   "ButtonControl", "TextControl",   "ButtonControl",
                         "BorderControl", "TextControl",   "ButtonControl", "BorderControl", "ButtonControl"};
  const int ys[] = {0, 4, 32, 32, 56, 80, 108, 112, 140, 168, 172, 200, 200, 224, 248, 276, 280, 308, 348, 352};
  for (int i = 1; i <= 20; ++i) {
    SCOPED_TRACE(i);
    EXPECT_EQ(control(i).type, types[i - 1]);
    EXPECT_EQ(control(i).label, qb::kItemToolsTextEn[i - 1]);
    EXPECT_EQ(control(i).ints[CTL_Y], ys[i - 1]);
  }
  EXPECT_EQ(control(3).ints[CTL_X], 80 - 8 * 11);  // "Parent Item"
  EXPECT_EQ(control(12).ints[CTL_X], 80 - 8 * 9);  // "Item Name"
  EXPECT_EQ(control(1).desc.width, 320);
  EXPECT_EQ(control(1).desc.height, 28);
  EXPECT_EQ(control(3).desc.width, 34);
  EXPECT_EQ(control(4).ints[CTL_X], 292);
  EXPECT_EQ(control(18).ints[CTL_X], 230);
  EXPECT_EQ(control(20).ints[CTL_X], 120);
  for (int i : {4, 6, 9, 13, 15, 18, 20}) {
    EXPECT_NE(control(i).event, nullptr) << i;
    EXPECT_EQ(control(i).user_data, &qb::item_tools_state()) << i;
  }
  for (int i : {1, 2, 3, 5, 7, 8, 10, 11, 12, 14, 16, 17, 19}) EXPECT_EQ(control(i).event, nullptr) << i;
}

TEST_F(HierarchyPanel, BuiltOnceOpenedOnceSizedAtEveryOpening) {
  ASSERT_EQ(qb::run_item_tools(), AFUNC_OK);
  EXPECT_TRUE(qb::item_tools_state().open);
  EXPECT_EQ(panel().ints[PAN_W], 320);
  EXPECT_EQ(panel().ints[PAN_H], 384);
  ASSERT_EQ(qb::run_item_tools(), AFUNC_OK);
  EXPECT_EQ(host.panels.size(), 1u);
  EXPECT_EQ(panel().open_calls, 1);

  type(3, "kept");
  press(20);
  EXPECT_FALSE(qb::item_tools_state().open);
  EXPECT_EQ(panel().close_calls, 1);
  panel().ints.clear();
  ASSERT_EQ(qb::run_item_tools(), AFUNC_OK);
  EXPECT_EQ(host.panels.size(), 1u);
  EXPECT_EQ(panel().open_calls, 2);
  EXPECT_EQ(panel().ints[PAN_W], 320);
  EXPECT_EQ(control(3).text, "kept");
}

TEST_F(HierarchyPanel, CloseOnAClosedPanelDoesNothing) {
  ASSERT_EQ(qb::run_item_tools(), AFUNC_OK);
  press(20);
  press(20);
  EXPECT_EQ(panel().close_calls, 1);
  EXPECT_TRUE(host.commands.empty());
}

TEST_F(HierarchyPanel, APanelThatCannotBeMadeEndsTheActivationWithTwoAndIsTriedAgain) {
  host.fail_panels = true;
  EXPECT_EQ(qb::run_item_tools(), AFUNC_BADGLOBAL);
  EXPECT_EQ(qb::item_tools_state().panel, nullptr);
  host.fail_panels = false;
  EXPECT_EQ(qb::run_item_tools(), AFUNC_OK);
  EXPECT_TRUE(qb::item_tools_state().open);
}

}  // namespace
