#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "plugin/frame.h"
#include "tests/unit/support/qbhost_fixture.h"
#include "tools/visibility/item_visible.h"
#include "tools/visibility/item_visible_text.h"

namespace {

std::vector<std::string> texts(const char *const *list) {
  std::vector<std::string> all;
  for (; *list != nullptr; ++list) all.emplace_back(*list);
  return all;
}

class ItemVisiblePanel : public ::testing::Test {
 protected:
  void SetUp() override { qb::reset_tool_state<qb::item_visible::ItemVisibleState>(); }
  void TearDown() override { qb::reset_tool_state<qb::item_visible::ItemVisibleState>(); }

  int activate() {
    LWLayoutGeneric generic{};
    return qb::activate_item_visible(LWLAYOUTGENERIC_VERSION, host.global(), &generic, nullptr);
  }
  qbhost::Panel &panel() { return *host.panel("QB:ItemVisible(1.00) "); }
  // Numbered from 1 as users see them.
  const qbhost::Control &control(int number) {
    return *panel().controls.at(static_cast<std::size_t>(number - 1));
  }
  qb::item_visible::ItemVisibleState &state() {
    return *qb::existing_tool_state<qb::item_visible::ItemVisibleState>();
  }

  qbtest::TestHost host;
};

TEST_F(ItemVisiblePanel, FirstActivationBuildsThePanelWithItsEventsAndOpensIt) {
  ASSERT_EQ(activate(), AFUNC_OK);
  ASSERT_EQ(host.state().panels.size(), 1u);
  ASSERT_NE(host.panel("QB:ItemVisible(1.00) "), nullptr);
  EXPECT_EQ(panel().user_data, &state());
  EXPECT_EQ(panel().width, 408);
  EXPECT_EQ(panel().height, 220);
  EXPECT_TRUE(panel().open);
  EXPECT_EQ(panel().flags, PANF_NOBUTT);
  EXPECT_EQ(host.trace().find("panel front"), std::string::npos);
  EXPECT_EQ(qbhost::panel_funcs()->globalFun, host.global());  // stored before the panel was made

  // Types, labels and places are stated by the panel traces; what a trace
  // cannot see is which controls carry an event and the panel's record.
  ASSERT_EQ(panel().controls.size(), 34u);
  for (std::size_t i = 0; i < panel().controls.size(); ++i) {
    const qbhost::Control &c = *panel().controls[i];
    const bool passive = i == 1 || i == 2 || i == 3 || i == 31;  // headings and border
    EXPECT_EQ(c.event == nullptr, passive) << i + 1;
    EXPECT_EQ(c.user_data, passive ? nullptr : &state()) << i + 1;
  }
}

TEST_F(ItemVisiblePanel, PopupsHoldTheirListsAndTheInitialChoices) {
  ASSERT_EQ(activate(), AFUNC_OK);
  EXPECT_EQ(control(1).choices, texts(qb::item_visible::kScopeChoicesEn));
  EXPECT_EQ(control(1).width, 160);  // a pop-up's width, carried in the choice variant
  EXPECT_EQ(control(1).int_value, 2);
  const int enabled[] = {1, 1, 1, 0, 0};
  for (int r = 0; r < 5; ++r) {
    const int first = 5 + 5 * r;
    EXPECT_EQ(control(first + 1).choices,
              texts(r < 2 ? qb::item_visible::kDisplayChoicesEn : qb::item_visible::kVisibilityChoicesEn))
        << r;
    EXPECT_EQ(control(first + 1).width, 150);
    EXPECT_EQ(control(first + 2).choices, texts(qb::item_visible::kActiveChoicesEn)) << r;
    EXPECT_EQ(control(first + 2).width, 76);
    EXPECT_EQ(control(first).int_value, enabled[r]) << r;
    EXPECT_EQ(control(first + 1).int_value, enabled[r]) << r;
    EXPECT_EQ(control(first + 2).int_value, enabled[r]) << r;
  }
  EXPECT_EQ(control(2).desc_type, LWT_TEXT);
  EXPECT_EQ(control(5).desc_type, LWT_AREA);  // a sized bool button
  EXPECT_EQ(control(5).width, 70);
  EXPECT_EQ(control(32).desc_type, LWT_AREA);
  EXPECT_EQ(control(32).width, 398);
  EXPECT_EQ(control(32).height, 30);
}

}  // namespace
