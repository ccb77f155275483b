#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "fake_host.h"
#include "plugin/frame.h"
#include "plugin/tools.h"

namespace {

using Commands = std::vector<std::string>;

class ToggleVisible : public ::testing::Test {
 protected:
  void SetUp() override { host.load_services(); }

  bool shown(LWItemID item) { return host.item(item).visibility != 0; }
  bool active(LWItemID item) { return (host.item(item).flags & LWITEMF_ACTIVE) != 0; }
  void hide(LWItemID item) { host.item(item).visibility = 0; }
  void deactivate(LWItemID item) { host.item(item).flags &= ~LWITEMF_ACTIVE; }

  // The activation as the host calls it, with the argument text of the
  // command line.
  int activate(const char *arguments) {
    static const char *text;
    text = arguments;
    LWLayoutGeneric generic{nullptr, [](void *) { return text; }};
    return qb::activate_toggle_visible(LWLAYOUTGENERIC_VERSION, fake::FakeHost::global(), &generic, nullptr);
  }

  fake::FakeHost host;
};

TEST_F(ToggleVisible, EveryTargetEndsShownAndActiveWhenTheFirstIsHidden) {
  LWItemID first = host.mesh("First", "First.lwo");
  LWItemID hidden_inactive = host.add(LWI_OBJECT, "Null");
  LWItemID light = host.add(LWI_LIGHT, "Key");
  LWItemID camera = host.add(LWI_CAMERA, "Cam");
  hide(first);
  hide(hidden_inactive);
  deactivate(hidden_inactive);
  deactivate(camera);
  host.select({first, hidden_inactive, light, camera});
  qb::run_toggle_visible({});
  for (LWItemID item : {first, hidden_inactive, light, camera}) {
    EXPECT_TRUE(shown(item)) << item;
    EXPECT_TRUE(active(item)) << item;
  }
}

TEST_F(ToggleVisible, EveryTargetButBonesEndsHiddenAndInactiveWhenTheFirstIsShown) {
  LWItemID body = host.mesh("Body", "Body.lwo");
  LWItemID arm = host.add(LWI_BONE, "Arm", body, body);
  LWItemID leg = host.add(LWI_BONE, "Leg", body, body);
  LWItemID light = host.add(LWI_LIGHT, "Key");
  deactivate(leg);
  hide(light);
  host.select({body, arm, leg, light});
  qb::run_toggle_visible({});
  for (LWItemID item : {body, arm, leg, light}) EXPECT_FALSE(shown(item)) << item;
  EXPECT_FALSE(active(body));
  EXPECT_FALSE(active(light));
  EXPECT_TRUE(active(arm));   // bones keep their active state
  EXPECT_FALSE(active(leg));
}

TEST_F(ToggleVisible, ItemsAlreadyInTheDesiredStateCostNoCommand) {
  LWItemID a = host.add(LWI_OBJECT, "A");
  LWItemID b = host.add(LWI_OBJECT, "B");
  hide(a);
  host.select({a, b});
  qb::run_toggle_visible({});
  // b is shown and active already: only a is selected and changed, then the
  // selection comes back.
  EXPECT_EQ(host.commands, (Commands{"SelectItem 0x10000001", "ItemVisibility 1", "SelectItem 0x10000002",
                                     "AddToSelection 0x10000001"}));
}

TEST_F(ToggleVisible, NoChangeFollowsASelectionTheHostRefused) {
  LWItemID box = host.mesh("Box", "Box.lwo");
  LWItemID ball = host.mesh("Ball", "Ball.lwo");
  host.select({box, ball});
  host.refused = {"SelectItem 0x10000002"};
  qb::run_toggle_visible({});
  EXPECT_EQ(host.commands, (Commands{"SelectItem 0x10000001", "ItemVisibility 0", "SelectItem 0x10000001",
                                     "ItemActive", "SelectItem 0x10000002", "SelectItem 0x10000002",
                                     "SelectItem 0x10000002", "AddToSelection 0x10000001"}));
  EXPECT_FALSE(shown(box));
  EXPECT_FALSE(active(box));
  EXPECT_TRUE(shown(ball));
  EXPECT_TRUE(active(ball));
}

TEST_F(ToggleVisible, WordsThatAreNoPatternEndTheActivationBeforeAnyChange) {
  LWItemID box = host.mesh("Box", "Box.lwo");
  host.select({box});
  EXPECT_EQ(activate("Box a{"), AFUNC_BADGLOBAL);
  ASSERT_EQ(host.commands.size(), 1u);
  EXPECT_EQ(host.commands[0].rfind("StatusMsg *** ERROR: ", 0), 0u) << host.commands[0];
  EXPECT_TRUE(shown(box));
  EXPECT_TRUE(active(box));
}

TEST_F(ToggleVisible, ActivationReadsItsWordsAndNeverTheLocale) {
  LWItemID cube = host.mesh("Cube", "Cube.lwo");
  LWItemID other = host.mesh("Other", "Other.lwo");
  host.lookups.clear();
  EXPECT_EQ(activate("cube"), AFUNC_OK);
  EXPECT_FALSE(shown(cube));
  EXPECT_TRUE(shown(other));
  for (const std::string &name : host.lookups) EXPECT_NE(name, "Locale Info");
}

}  // namespace
