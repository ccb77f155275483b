#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "plugin/frame.h"
#include "qbhost_fixture.h"
#include "tools/tools.h"

namespace {

class ToggleVisible : public ::testing::Test {
 protected:
  void SetUp() override { host.load_services(); }

  bool shown(LWItemID item) { return host.item(item).display != 0; }
  bool active(LWItemID item) { return host.item(item).active; }
  void hide(LWItemID item) { host.item(item).display = 0; }
  void deactivate(LWItemID item) { host.item(item).active = false; }

  qbtest::TestHost host;
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
  qb::toggle_visible::run_toggle_visible({});
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
  qb::toggle_visible::run_toggle_visible({});
  for (LWItemID item : {body, arm, leg, light}) EXPECT_FALSE(shown(item)) << item;
  EXPECT_FALSE(active(body));
  EXPECT_FALSE(active(light));
  EXPECT_TRUE(active(arm));   // bones keep their active state
  EXPECT_FALSE(active(leg));
}

}  // namespace
