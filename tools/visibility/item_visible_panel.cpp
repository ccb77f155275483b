// The item visibility panel: built once, control by control, and the events
// of its controls.  Each event dispatches by comparing the control with the
// handles kept in the state record.
#include <initializer_list>

#include "abi/host_api.h"
#include "toolkit/guard.h"
#include "toolkit/lwtool2/services.h"
#include "toolkit/panel.h"
#include "tools/visibility/item_visible.h"
#include "tools/visibility/item_visible_text.h"

namespace qb::item_visible {
namespace {

// The Scope and Active popups' values are the codes' numbers: one entry per code.
static_assert(static_cast<int>(Scope::kAllItems) + 1 == kScopeChoiceCount);
static_assert(static_cast<int>(Active::kOn) + 1 == kActiveChoiceCount);

constexpr const char *kServerName = "QB:ItemVisible";
constexpr int kPanelWidth = 408;
constexpr int kPanelHeight = 220;
constexpr int kFirstRowY = 60;
constexpr int kRowHeight = 20;

// Left edges of the type row columns: type, visibility, active, Show, Hide.
constexpr int kRowColumnX[kRowControlCount] = {5, 69, 219, 301, 351};

struct ControlPlan {
  const char *type;
  LWPanControlDesc desc;
  int x;
  int y;
};

bool is_display_row(int row) { return row == kRowMesh || row == kRowNull; }

ControlPlan row_control_plan(int row, int which) {
  const ChoiceLists &choices = item_visible_choices();
  const int y = kFirstRowY + row * kRowHeight;
  const int x = kRowColumnX[which];
  switch (which) {
    case kRowType: return {ctl::kBoolButton, area_desc(70, 0), x, y};
    case kRowVisibility:
      return is_display_row(row)
                 ? ControlPlan{ctl::kPopup, popup_desc(choices.lists[kChoiceDisplay], 150), x, y}
                 : ControlPlan{ctl::kPopup, popup_desc(choices.lists[kChoiceVisibility], 150), x, y};
    case kRowActive: return {ctl::kPopup, popup_desc(choices.lists[kChoiceActive], 76), x, y};
    default: return {ctl::kButton, area_desc(50, 0), x, y};
  }
}

ControlPlan control_plan(int index) {
  if (index >= kControlFirstRow && index < kControlShowAll) {
    const int offset = index - kControlFirstRow;
    return row_control_plan(offset / kRowControlCount, offset % kRowControlCount);
  }
  switch (index) {
    case kControlScope:
      return {ctl::kPopup, popup_desc(item_visible_choices().lists[kChoiceScope], 160), 43, 10};
    case 1: return {ctl::kText, text_desc(), 5, 40};
    case 2: return {ctl::kText, text_desc(), 79, 40};
    case 3: return {ctl::kText, text_desc(), 227, 40};
    case kControlShowAll: return {ctl::kButton, area_desc(120, 0), 5, 170};
    case kControlHideAll: return {ctl::kButton, area_desc(120, 0), 125, 170};
    case kControlBorder: return {ctl::kBorder, area_desc(398, 30), 5, 200};
    case kControlClose: return {ctl::kButton, area_desc(100, 0), 170, 205};
    default: return {ctl::kButton, area_desc(100, 0), 280, 205};  // Run
  }
}

ItemVisibleState *state_of(void *data) { return static_cast<ItemVisibleState *>(data); }

int row_holding(const ItemVisibleState &state, const LWControl *control, int which) {
  for (int row = 0; row < kTypeRowCount; ++row) {
    if (state.controls[row_control(row, which)] == control) return row;
  }
  return -1;
}

void on_store_value(LWControlID id, void *data) {
  auto *control = static_cast<LWControl *>(id);
  guarded([&] {
    ItemVisibleState *state = state_of(data);
    if (state == nullptr) return;
    const int value = get_int(control, CTL_VALUE);
    if (control == state->controls[kControlScope]) {
      state->scope = static_cast<Scope>(value);
    } else if (int shown = row_holding(*state, control, kRowVisibility); shown >= 0) {
      state->visibility[shown] = value;
    } else if (int active = row_holding(*state, control, kRowActive); active >= 0) {
      state->active[active] = value;
    }
  });
}

void on_type_toggle(LWControlID id, void *data) {
  auto *control = static_cast<LWControl *>(id);
  guarded([&] {
    ItemVisibleState *state = state_of(data);
    if (state == nullptr) return;
    if (int row = row_holding(*state, control, kRowType); row >= 0) type_toggle(*state, row);
  });
}

void on_preset_row(LWControlID id, void *data) {
  auto *control = static_cast<LWControl *>(id);
  guarded([&] {
    ItemVisibleState *state = state_of(data);
    if (state == nullptr) return;
    if (int shown = row_holding(*state, control, kRowShow); shown >= 0) {
      preset_row(*state, shown, true);
    } else if (int hidden = row_holding(*state, control, kRowHide); hidden >= 0) {
      preset_row(*state, hidden, false);
    }
  });
}

// "Show All" and "Hide All" leave the Camera and Light rows as they are.
void on_preset_all(LWControlID id, void *data) {
  auto *control = static_cast<LWControl *>(id);
  guarded([&] {
    ItemVisibleState *state = state_of(data);
    if (state == nullptr) return;
    const bool show = control == state->controls[kControlShowAll];
    for (int row : {kRowMesh, kRowNull, kRowBone}) preset_row(*state, row, show);
  });
}

void on_close(LWControlID, void *data) {
  guarded([&] {
    ItemVisibleState *state = state_of(data);
    LWPanelFuncs *funcs = lwtool2::services().panel;
    if (state != nullptr && state->panel != nullptr && funcs != nullptr) funcs->close(state->panel);
  });
}

void on_run(LWControlID, void *data) {
  guarded([&] {
    if (ItemVisibleState *state = state_of(data)) run_visibility(*state);
  });
}

LWCtlEventFunc *event_of(int index) {
  if (index >= kControlFirstRow && index < kControlShowAll) {
    switch ((index - kControlFirstRow) % kRowControlCount) {
      case kRowType: return on_type_toggle;
      case kRowVisibility:
      case kRowActive: return on_store_value;
      default: return on_preset_row;
    }
  }
  switch (index) {
    case kControlScope: return on_store_value;
    case kControlShowAll:
    case kControlHideAll: return on_preset_all;
    case kControlClose: return on_close;
    case kControlRun: return on_run;
    default: return nullptr;  // headings and border
  }
}

void add_controls(LWPanelFuncs *funcs, ItemVisibleState &state) {
  for (int index = 0; index < kItemVisibleControlCount; ++index) {
    ControlPlan plan = control_plan(index);
    LWControl *control = funcs->addControl(state.panel, plan.type, &plan.desc, g_item_visible_labels[index]);
    if (control == nullptr) return;
    set_int(control, CTL_X, plan.x);
    set_int(control, CTL_Y, plan.y);
    state.controls[index] = control;
  }
}

void show_state(ItemVisibleState &state) {
  set_int(state.controls[kControlScope], CTL_VALUE, static_cast<int>(state.scope));
  for (int row = 0; row < kTypeRowCount; ++row) {
    set_int(state.controls[row_control(row, kRowType)], CTL_VALUE, state.enabled[row]);
    set_int(state.controls[row_control(row, kRowVisibility)], CTL_VALUE, state.visibility[row]);
    set_int(state.controls[row_control(row, kRowActive)], CTL_VALUE, state.active[row]);
  }
}

void connect_events(ItemVisibleState &state) {
  for (int index = 0; index < kItemVisibleControlCount; ++index) {
    if (LWCtlEventFunc *event = event_of(index)) {
      set_user_data(state.controls[index], &state);
      set_event(state.controls[index], event);
    }
  }
}

}  // namespace

bool build_item_visible_panel(ItemVisibleState &state) {
  LWPanelFuncs *funcs = lwtool2::services().panel;
  if (funcs == nullptr || item_visible_choices().lists.size() <= kChoiceActive) return false;
  state.title = panel_title(kServerName);
  state.panel = create_panel(funcs, lwtool2::g_global, state.title.c_str(), &state);
  if (state.panel == nullptr) return false;
  set_panel_int(funcs, state.panel, PAN_W, kPanelWidth);
  set_panel_int(funcs, state.panel, PAN_H, kPanelHeight);
  add_controls(funcs, state);
  if (!keep_complete_panel(funcs, state.panel, state.controls)) {
    state.controls = {};
    return false;
  }
  show_state(state);
  connect_events(state);
  return true;
}

void type_toggle(ItemVisibleState &state, int row) {
  state.enabled[row] = get_int(state.controls[row_control(row, kRowType)], CTL_VALUE);
  const int mode = state.enabled[row] != 0 ? DR_RENDER : DR_GHOST;
  for (int which : {kRowVisibility, kRowActive, kRowShow, kRowHide})
    draw(state.controls[row_control(row, which)], mode);
  // A run never changes a bone's active state, so its popup stays out of sight.
  draw(state.controls[row_control(kRowBone, kRowActive)], DR_ERASE);
}

void preset_row(ItemVisibleState &state, int row, bool show) {
  state.enabled[row] = 1;
  set_int(state.controls[row_control(row, kRowType)], CTL_VALUE, 1);
  type_toggle(state, row);
  const int shown = is_display_row(row) ? 8 : 2;  // "Textrured w/Wireframe" or "Visible"
  state.visibility[row] = show ? shown : 1;       // 1 is "Hidden" in both lists
  set_int(state.controls[row_control(row, kRowVisibility)], CTL_VALUE, state.visibility[row]);
  state.active[row] = static_cast<int>(show ? Active::kOn : Active::kOff);
  set_int(state.controls[row_control(row, kRowActive)], CTL_VALUE, state.active[row]);
}

}  // namespace qb::item_visible
