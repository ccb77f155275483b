// The item tools panel: its controls, laid out in four groups, and the
// callbacks that run the operations.
#include <cstddef>

#include "toolkit/guard.h"
#include "toolkit/panel.h"
#include "toolkit/services.h"
#include "tools/hierarchy/item_tools_actions.h"
#include "tools/hierarchy/item_tools_state.h"
#include "tools/hierarchy/item_tools_text.h"

namespace qb::hierarchy {
namespace {

// Text fields line up at this X whatever the width of their label.
constexpr int kFieldX = 80;
constexpr int kRunX = kItemToolsWidth - 90;
constexpr int kCloseX = kItemToolsWidth / 2 - 40;

enum class Shape { kBorder, kText, kField, kButton, kCheck };
enum class Event { kNone, kPick, kRun, kClose };

struct ControlRow {
  Shape shape;
  int width;  // borders, fields and buttons
  int x;      // ignored for fields
  int y;
  Event event;
};

// In creation order; control i takes label i of the text table.
constexpr ControlRow kControls[kItemToolsControlCount] = {
    {Shape::kBorder, kItemToolsWidth, 0, 0, Event::kNone},
    {Shape::kText, 0, 2, 4, Event::kNone},
    {Shape::kField, 34, kFieldX, 32, Event::kNone},
    {Shape::kButton, 20, 292, 32, Event::kPick},
    {Shape::kCheck, 0, kFieldX, 56, Event::kNone},
    {Shape::kButton, 82, kRunX, 80, Event::kRun},
    {Shape::kBorder, kItemToolsWidth, 0, 108, Event::kNone},
    {Shape::kText, 0, 2, 112, Event::kNone},
    {Shape::kButton, 82, kRunX, 140, Event::kRun},
    {Shape::kBorder, kItemToolsWidth, 0, 168, Event::kNone},
    {Shape::kText, 0, 2, 172, Event::kNone},
    {Shape::kField, 34, kFieldX, 200, Event::kNone},
    {Shape::kButton, 20, 292, 200, Event::kPick},
    {Shape::kText, 0, kFieldX, 224, Event::kNone},
    {Shape::kButton, 82, kRunX, 248, Event::kRun},
    {Shape::kBorder, kItemToolsWidth, 0, 276, Event::kNone},
    {Shape::kText, 0, 2, 280, Event::kNone},
    {Shape::kButton, 82, kRunX, 308, Event::kRun},
    {Shape::kBorder, kItemToolsWidth, 0, 348, Event::kNone},
    {Shape::kButton, 80, kCloseX, 352, Event::kClose},
};

constexpr int kBorderHeight = 28;

const char *type_name(Shape shape) {
  switch (shape) {
    case Shape::kBorder: return ctl::kBorder;
    case Shape::kText: return ctl::kText;
    case Shape::kField: return ctl::kEdit;
    case Shape::kButton: return ctl::kButton;
    case Shape::kCheck: return ctl::kBool;
  }
  return ctl::kButton;
}

LWPanControlDesc descriptor(const ControlRow &row) {
  switch (row.shape) {
    case Shape::kBorder: return area_desc(row.width, kBorderHeight);
    case Shape::kText: return text_desc();
    case Shape::kField: return string_desc(row.width);
    case Shape::kButton: return area_desc(row.width, 0);
    case Shape::kCheck: break;
  }
  return bool_desc();
}

ItemToolsState *state_of(void *user_data) { return static_cast<ItemToolsState *>(user_data); }

std::string field_text(const ItemToolsState &state, int index) {
  return read_control_text(state.controls[index]);
}

// ---- panel callbacks --------------------------------------------------------

void on_draw(LWPanelID, void *, int) {}

void on_open(LWPanelID panel, void *user_data) {
  guarded([&] {
    ItemToolsState *state = state_of(user_data);
    LWPanelFuncs *funcs = service_table().panel;
    if (state == nullptr) return;
    state->open = true;
    if (funcs == nullptr) return;
    set_panel_int(funcs, panel, PAN_W, state->width);
    set_panel_int(funcs, panel, PAN_H, state->height);
  });
}

void on_close(LWPanelID, void *user_data) {
  guarded([&] {
    if (ItemToolsState *state = state_of(user_data)) state->open = false;
  });
}

// ---- control callbacks ------------------------------------------------------

void on_pick(LWControlID id, void *user_data) {
  auto *control = static_cast<LWControl *>(id);
  guarded([&] {
    ItemToolsState *state = state_of(user_data);
    if (state == nullptr) return;
    const int field = control == state->controls[kParentPick] ? kParentField : kNameField;
    if (const auto name = name_to_pick()) set_text(state->controls[field], *name);
  });
}

void on_run(LWControlID id, void *user_data) {
  auto *control = static_cast<LWControl *>(id);
  guarded([&] {
    ItemToolsState *state = state_of(user_data);
    if (state == nullptr) return;
    const auto &c = state->controls;
    if (control == c[kParentRun]) {
      parent_selection(field_text(*state, kParentField), get_int(c[kParentInPlace], CTL_VALUE) != 0);
    } else if (control == c[kUnparentRun]) {
      unparent_selection();
    } else if (control == c[kPatternRun]) {
      select_by_pattern(field_text(*state, kNameField));
    } else if (control == c[kBranchRun]) {
      select_branches_of_selection();
    }
  });
}

void on_close_button(LWControlID, void *user_data) {
  guarded([&] {
    ItemToolsState *state = state_of(user_data);
    LWPanelFuncs *funcs = service_table().panel;
    if (state == nullptr || funcs == nullptr || state->panel == nullptr || !state->open) return;
    funcs->close(state->panel);
    state->open = false;  // in case the host closed it without its callback
  });
}

LWCtlEventFunc *event_function(Event event) {
  switch (event) {
    case Event::kPick: return on_pick;
    case Event::kRun: return on_run;
    case Event::kClose: return on_close_button;
    case Event::kNone: break;
  }
  return nullptr;
}

const char *label(int index) {
  const char *const *table = g_item_tools_text ? g_item_tools_text : kItemToolsTextEn;
  return table[index];
}

void add_controls(ItemToolsState &state, LWPanelFuncs *funcs) {
  for (int i = 0; i < kItemToolsControlCount; ++i) {
    const ControlRow &row = kControls[i];
    LWPanControlDesc desc = descriptor(row);
    LWControl *control = funcs->addControl(state.panel, type_name(row.shape), &desc, label(i));
    if (control == nullptr) return;
    state.controls[static_cast<std::size_t>(i)] = control;
    const int x = row.shape == Shape::kField ? kFieldX - get_int(control, CTL_LABELWIDTH) : row.x;
    set_int(control, CTL_X, x);
    set_int(control, CTL_Y, row.y);
    if (LWCtlEventFunc *event = event_function(row.event)) {
      set_user_data(control, &state);
      set_event(control, event);
    }
  }
}

}  // namespace

bool build_item_tools_panel(ItemToolsState &state, LWPanelFuncs *funcs) {
  // The host may keep the title's pointer for as long as the panel lives, and so does the record.
  state.title = panel_title("QB:ItemTools");
  state.panel = create_panel(funcs, service_table().global, state.title.c_str(), &state);
  if (state.panel == nullptr) return false;
  add_controls(state, funcs);
  if (!keep_complete_panel(funcs, state.panel, state.controls)) {
    state = ItemToolsState{};
    return false;
  }
  state.width = kItemToolsWidth;
  state.height = kItemToolsHeight;
  set_panel_ptr(funcs, state.panel, PAN_USERDATA, &state);
  set_panel_draw_hook(funcs, state.panel, on_draw);
  set_panel_open_hook(funcs, state.panel, on_open);
  set_panel_close_hook(funcs, state.panel, on_close);
  return true;
}

}  // namespace qb::hierarchy
