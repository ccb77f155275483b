#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "fake_host.h"
#include "plugin/frame.h"
#include "tools/visibility/item_visible.h"
#include "tools/visibility/item_visible_text.h"

namespace {

// Headless panels for the item visibility tool: every control keeps what the
// module gives it, descriptor included.
struct Control {
  LWControl base{};
  std::string type;
  std::string label;
  LWPanControlDesc desc{};
  int x = -1, y = -1, value = 0, drawn = DR_RENDER;
  void *user_data = nullptr;
  LWCtlEventFunc *event = nullptr;
};

struct Panel {
  std::string title;
  void *user_data = nullptr;
  int width = 0, height = 0, open_flags = -1, opened = 0, fronted = 0, closed = 0;
  bool destroyed = false;
  std::vector<std::unique_ptr<Control>> controls;
};

struct Panels {
  std::vector<std::unique_ptr<Panel>> panels;
};
Panels *g_panels = nullptr;

Control &control_of(LWControl *control) { return *static_cast<Control *>(control->priv_data); }
Panel &panel_of(LWPanelID panel) { return *static_cast<Panel *>(panel); }

void control_set(LWControl *c, int tag, LWValue *v) {
  Control &control = control_of(c);
  if (tag == CTL_X) control.x = v->intv;
  if (tag == CTL_Y) control.y = v->intv;
  if (tag == CTL_VALUE) control.value = v->intv;
  if (tag == CTL_USERDATA) control.user_data = v->ptr;
  if (tag == CTL_USEREVENT) control.event = reinterpret_cast<LWCtlEventFunc *>(v->ptr);
}
void control_get(LWControl *c, int tag, LWValue *v) {
  if (tag == CTL_VALUE) v->intv = control_of(c).value;
}
void control_draw(LWControl *c, int mode) { control_of(c).drawn = mode; }

LWPanelID panel_create(const char *title, void *user_data) {
  auto panel = std::make_unique<Panel>();
  panel->title = title;
  panel->user_data = user_data;
  g_panels->panels.push_back(std::move(panel));
  return g_panels->panels.back().get();
}
void panel_destroy(LWPanelID panel) { panel_of(panel).destroyed = true; }
int panel_open(LWPanelID panel, int flags) {
  panel_of(panel).open_flags = flags;
  ++panel_of(panel).opened;
  return 1;
}
void panel_close(LWPanelID panel) { ++panel_of(panel).closed; }
void panel_set(LWPanelID panel, int tag, void *value) {
  if (tag == PAN_W) panel_of(panel).width = *static_cast<int *>(value);
  if (tag == PAN_H) panel_of(panel).height = *static_cast<int *>(value);
  if (tag == PAN_TO_FRONT) ++panel_of(panel).fronted;
}
void panel_get(LWPanelID, int, void *) {}
LWControl *panel_add(LWPanelID panel, const char *type, LWPanControlDesc *desc, const char *label) {
  auto control = std::make_unique<Control>();
  control->base = {control_draw, control_get, control_set, control.get()};
  control->type = type;
  control->label = label;
  control->desc = *desc;
  panel_of(panel).controls.push_back(std::move(control));
  return &panel_of(panel).controls.back()->base;
}

class ItemVisiblePanel : public ::testing::Test {
 protected:
  void SetUp() override {
    g_panels = &panels;
    qb::item_visible_slot().reset();
    host.panel = {2, panel_create, panel_destroy, panel_open, panel_close, panel_set, panel_get, panel_add, nullptr};
  }
  void TearDown() override {
    qb::item_visible_slot().reset();
    g_panels = nullptr;
  }

  int activate() {
    LWLayoutGeneric generic{nullptr, nullptr};
    return qb::activate_item_visible(LWLAYOUTGENERIC_VERSION, fake::FakeHost::global(), &generic, nullptr);
  }
  Panel &panel() { return *panels.panels.at(0); }
  Control &control(int number) { return *panel().controls.at(number - 1); }  // numbered from 1 as users see them
  qb::ItemVisibleState &state() { return *qb::item_visible_slot(); }

  fake::FakeHost host;
  Panels panels;
};

struct Expected {
  const char *type;
  const char *label;
  int x, y;
};

TEST_F(ItemVisiblePanel, FirstActivationBuildsTheWholePanelAndOpensIt) {
  ASSERT_EQ(activate(), AFUNC_OK);
  ASSERT_EQ(panels.panels.size(), 1u);
  EXPECT_EQ(panel().title, "QB:ItemVisible(1.00) ");
  EXPECT_EQ(panel().user_data, &state());
  EXPECT_EQ(panel().width, 408);
  EXPECT_EQ(panel().height, 220);
  EXPECT_EQ(panel().open_flags, PANF_NOBUTT);
  EXPECT_EQ(panel().fronted, 0);

  std::vector<Expected> expected = {
      {"PopupControl", "Target", 43, 10}, {"TextControl", "Type", 5, 40},
      {"TextControl", "Visible", 79, 40}, {"TextControl", "Active", 227, 40}};
  const char *rows[] = {"Mesh", "Null", "Bone", "Camera", "Light"};
  for (int r = 0; r < 5; ++r) {
    const int y = 60 + 20 * r;
    expected.push_back({"BoolButtonControl", rows[r], 5, y});
    expected.push_back({"PopupControl", "", 69, y});
    expected.push_back({"PopupControl", "", 219, y});
    expected.push_back({"ButtonControl", "Show", 301, y});
    expected.push_back({"ButtonControl", "Hide", 351, y});
  }
  expected.push_back({"ButtonControl", "Show All", 5, 170});
  expected.push_back({"ButtonControl", "Hide All", 125, 170});
  expected.push_back({"BorderControl", "", 5, 200});
  expected.push_back({"ButtonControl", "Close", 170, 205});
  expected.push_back({"ButtonControl", "Run", 280, 205});
  ASSERT_EQ(panel().controls.size(), expected.size());
  for (std::size_t i = 0; i < expected.size(); ++i) {
    const Control &c = *panel().controls[i];
    EXPECT_EQ(c.type, expected[i].type) << i + 1;
    EXPECT_EQ(c.label, expected[i].label) << i + 1;
    EXPECT_EQ(c.x, expected[i].x) << i + 1;
    EXPECT_EQ(c.y, expected[i].y) << i + 1;
    const bool passive = i == 1 || i == 2 || i == 3 || i == 31;  // headings and border
    EXPECT_EQ(c.event == nullptr, passive) << i + 1;
    EXPECT_EQ(c.user_data, passive ? nullptr : &state()) << i + 1;
  }
}

TEST_F(ItemVisiblePanel, PopupsHoldTheirListsAndTheInitialChoices) {
  ASSERT_EQ(activate(), AFUNC_OK);
  EXPECT_EQ(control(1).desc.items, qb::kScopeChoicesEn);
  EXPECT_EQ(control(1).desc.width, 160);
  EXPECT_EQ(control(1).value, 2);
  const int enabled[] = {1, 1, 1, 0, 0};
  for (int r = 0; r < 5; ++r) {
    const int first = 5 + 5 * r;
    EXPECT_EQ(control(first + 1).desc.items, r < 2 ? qb::kDisplayChoicesEn : qb::kVisibilityChoicesEn) << r;
    EXPECT_EQ(control(first + 1).desc.width, 150);
    EXPECT_EQ(control(first + 2).desc.items, qb::kActiveChoicesEn) << r;
    EXPECT_EQ(control(first + 2).desc.width, 76);
    EXPECT_EQ(control(first).value, enabled[r]) << r;
    EXPECT_EQ(control(first + 1).value, enabled[r]) << r;
    EXPECT_EQ(control(first + 2).value, enabled[r]) << r;
  }
  EXPECT_EQ(control(32).desc.width, 398);
  EXPECT_EQ(control(32).desc.height, 30);
}









}  // namespace
