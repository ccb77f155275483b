#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "fake_host.h"
#include "plugin/frame.h"
#include "tools/tools.h"

namespace {

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




TEST_F(ToggleVisible, ActivationReadsItsWords) {
  LWItemID cube = host.mesh("Cube", "Cube.lwo");
  LWItemID other = host.mesh("Other", "Other.lwo");
  EXPECT_EQ(activate("cube"), AFUNC_OK);
  EXPECT_FALSE(shown(cube));
  EXPECT_TRUE(shown(other));
}

}  // namespace
