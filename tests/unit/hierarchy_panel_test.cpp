// The item tools panel against a headless host: its controls, its life
// cycle and what its buttons send.
#include <gtest/gtest.h>

#include "hierarchy_fake_host.h"
#include "plugin/tools.h"
#include "toolkit/item_tools_text.h"
#include "tools/hierarchy/item_tools_state.h"

using hierarchy_test::Control;
using hierarchy_test::FakeHost;
using hierarchy_test::hex;
using hierarchy_test::Panel;
using Commands = std::vector<std::string>;

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

TEST_F(HierarchyPanel, ParentInPlaceFollowsTheOptionAndRestoresTheHostMode) {
  const LWItemID target = host.null_object("Target");
  const LWItemID arm = host.mesh("Arm");
  ASSERT_EQ(qb::run_item_tools(), AFUNC_OK);
  host.selection = {arm};
  type(3, "TARGET");
  control(5).ints[CTL_VALUE] = 1;

  host.general_flags = LWGENF_PARENTINPLACE;
  press(6);
  EXPECT_EQ(host.commands, (Commands{"ParentItem " + hex(target), "RefreshNow"}));

  host.commands.clear();
  host.general_flags = 0;
  press(6);
  EXPECT_EQ(host.commands,
            (Commands{"ParentInPlace", "ParentItem " + hex(target), "ParentInPlace", "RefreshNow"}));

  host.commands.clear();
  control(5).ints[CTL_VALUE] = 0;
  press(6);
  EXPECT_EQ(host.commands, (Commands{"ParentItem " + hex(target), "RefreshNow"}));
}

TEST_F(HierarchyPanel, ParentNameProblemsAreReportedWithoutCommands) {
  const LWItemID target = host.null_object("Target");
  ASSERT_EQ(qb::run_item_tools(), AFUNC_OK);
  host.selection = {target};
  type(3, "");
  press(6);
  EXPECT_TRUE(host.commands.empty());
  type(3, "Nobody");
  press(6);
  type(3, "target");
  press(6);
  EXPECT_EQ(host.commands, (Commands{"StatusMsg {1.0} Parent item not found!",
                                     "StatusMsg {1.0} Include the parent item in selection!"}));
}

TEST_F(HierarchyPanel, PickWritesTheLastSelectedNameIntoItsOwnField) {
  host.mesh("First");
  const LWItemID second = host.mesh("Second");
  const LWItemID light = host.add(LWI_LIGHT, "Lamp");
  ASSERT_EQ(qb::run_item_tools(), AFUNC_OK);
  type(3, "parent");
  type(12, "name");
  host.selection = {light, second};
  press(13);
  EXPECT_EQ(control(12).text, "Second");
  EXPECT_EQ(control(3).text, "parent");
  host.selection = {second, light};
  press(4);
  EXPECT_EQ(control(3).text, "Lamp");
  host.selection.clear();
  press(4);
  EXPECT_EQ(control(3).text, "Lamp");
}

TEST_F(HierarchyPanel, AnInvalidWildcardIsReportedAndChangesNothing) {
  const LWItemID arm = host.mesh("Arm");
  ASSERT_EQ(qb::run_item_tools(), AFUNC_OK);
  host.selection = {arm};
  type(12, "a{");
  press(15);
  ASSERT_EQ(host.commands.size(), 1u);
  EXPECT_EQ(host.commands[0].rfind("StatusMsg *** ERROR: ", 0), 0u) << host.commands[0];
  EXPECT_EQ(host.selection, (std::vector<LWItemID>{arm}));
  EXPECT_TRUE(qb::item_tools_state().open);
}

TEST_F(HierarchyPanel, UnparentSelectsEachItemThenTheLastOnesTypeAgain) {
  const LWItemID root = host.null_object("Root");
  const LWItemID a = host.mesh("A", root);
  const LWItemID b = host.mesh("B", root);
  const LWItemID lamp = host.add(LWI_LIGHT, "Lamp", root);
  ASSERT_EQ(qb::run_item_tools(), AFUNC_OK);
  host.selection = {a, b, lamp};
  press(9);
  EXPECT_EQ(host.commands, (Commands{"SelectItem " + hex(a), "ParentItem 0", "SelectItem " + hex(b), "ParentItem 0",
                                     "SelectItem " + hex(lamp), "ParentItem 0", "SelectItem " + hex(lamp),
                                     "RefreshNow"}));
}

}  // namespace
