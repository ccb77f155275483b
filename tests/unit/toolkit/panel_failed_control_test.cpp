// A host that makes a panel but refuses one of its controls: every panel
// tool gives that panel up whole (destroyed, nothing left open), its
// activation ends with 2, and the next activation, once controls can be made
// again, builds the panel afresh and opens it.
#include <gtest/gtest.h>

#include <string>

#include "host/core/host_state.h"
#include "tests/unit/support/qbhost_fixture.h"
#include "tools/hierarchy/item_tools_state.h"
#include "tools/rename/name_replace_state.h"
#include "tools/replace/object_replacer_panel.h"
#include "tools/visibility/item_visible.h"

namespace {

struct ToolCase {
  const char *server;
  const char *title;
};

constexpr ToolCase kTools[] = {
    {"QB:ItemTools", "QB:ItemTools(1.00) "},
    {"QB:ItemVisible", "QB:ItemVisible(1.00) "},
    {"QB:NameReplace", "QB:NameReplace(1.00) "},
    {"QB:ObjectReplacer", "QB:ObjectReplacer(1.00) "},
};

// The host's addControl, with the n-th call from now on (from 1) refused.
using AddControl = LWControl *(*)(LWPanelID, const char *, LWPanControlDesc *, const char *);
AddControl g_host_add_control = nullptr;
int g_calls_left = 0;

LWControl *refusing_add_control(LWPanelID panel, const char *type, LWPanControlDesc *desc,
                                const char *label) {
  if (--g_calls_left == 0) return nullptr;
  return g_host_add_control(panel, type, desc, label);
}

void reset_tools() {
  qb::reset_tool_state<qb::hierarchy::ItemToolsState>();
  qb::reset_tool_state<qb::item_visible::ItemVisibleState>();
  qb::reset_tool_state<qb::rename::NameReplaceState>();
  qb::reset_tool_state<qb::replace::ObjectReplacerState>();
}

struct FailedControl : ::testing::TestWithParam<int> {
  qbtest::TestHost host;
  LWPanelFuncs &funcs = *qbhost::panel_funcs();

  FailedControl() {
    reset_tools();
    g_host_add_control = funcs.addControl;
    host.mesh("Body");
    host.attach_module();
  }
  ~FailedControl() override {
    funcs.addControl = g_host_add_control;
    reset_tools();
  }
  void refuse_control(int n) {
    g_calls_left = n;
    funcs.addControl = refusing_add_control;
  }
  void allow_controls() { funcs.addControl = g_host_add_control; }
};

TEST_P(FailedControl, PanelIsGivenUpWholeAndBuiltAgainLater) {
  for (const ToolCase &tool : kTools) {
    SCOPED_TRACE(tool.server);
    refuse_control(GetParam());
    EXPECT_EQ(host.host().activate(tool.server, nullptr), AFUNC_BADGLOBAL);
    qbhost::Panel *given_up = host.panel(tool.title);
    ASSERT_NE(given_up, nullptr);
    EXPECT_TRUE(given_up->destroyed);
    EXPECT_FALSE(given_up->open);

    allow_controls();
    // The blocking rename panel is answered with OK by the fixture.
    EXPECT_EQ(host.host().activate(tool.server, nullptr), AFUNC_OK);
    qbhost::Panel *rebuilt = host.panel(tool.title);
    ASSERT_NE(rebuilt, given_up);
    EXPECT_FALSE(rebuilt->controls.empty());
  }
}

// The first control, and one further on once the panel has some.
INSTANTIATE_TEST_SUITE_P(Refused, FailedControl, ::testing::Values(1, 3));

}  // namespace
