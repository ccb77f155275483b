// "QB:NameReplace": a modal panel, built at every activation in the current
// language and destroyed at its end.  The handlers store every change in the
// settings at once, so the engine reads only the settings, and Cancel keeps
// what was changed.
#include <algorithm>
#include <array>
#include <vector>

#include "toolkit/guard.h"
#include "toolkit/lwtool2/items.h"
#include "toolkit/lwtool2/services.h"
#include "toolkit/panel.h"
#include "toolkit/text/format.h"
#include "toolkit/tool_state.h"
#include "tools/rename/name_replace_state.h"
#include "tools/rename/name_replace_text.h"
#include "tools/rename/new_name.h"
#include "tools/rename/rename_engine.h"
#include "tools/tools.h"

namespace qb::rename {
namespace {

// The Target and Mode popups' values are the codes' numbers: one entry per code.
static_assert(static_cast<int>(Scope::kAllItems) + 1 == kTargetItemCount);
static_assert(static_cast<int>(Mode::kRegex) + 1 == kModeItemCount);

constexpr int kPanelWidth = 320;
constexpr int kPanelHeight = 170;
constexpr int kBoxWidth = 50;
constexpr int kFieldWidth = 39;
constexpr int kFieldX = 74;
constexpr int kFirstFieldY = 80;
constexpr int kSecondFieldY = 100;

enum Label {
  kLabelTarget,
  kLabelType,
  kLabelNull,
  kLabelBone,
  kLabelCamera,
  kLabelLight,
  kLabelMode,
  kLabelField
};

LWPanelFuncs *panel_funcs() { return lwtool2::services().panel; }

LWControl *add_control(NameReplaceState &state, const char *type, LWPanControlDesc desc, int label, int x,
                       int y) {
  LWControl *control = panel_funcs()->addControl(state.panel, type, &desc, g_name_replace_text[label]);
  set_int(control, CTL_X, x);
  set_int(control, CTL_Y, y);
  return control;
}

const char **choice_items(int list) {
  return name_replace_choices().lists.at(static_cast<std::size_t>(list));
}

void add_controls(NameReplaceState &s) {
  s.target_popup =
      add_control(s, ctl::kPopup, popup_desc(choice_items(kTargetChoices), 160), kLabelTarget, 50, 0);
  s.type_label = add_control(s, ctl::kText, text_desc(), kLabelType, 45, 30);
  s.null_box = add_control(s, ctl::kBoolButton, area_desc(kBoxWidth, 0), kLabelNull, 80, 30);
  s.bone_box = add_control(s, ctl::kBoolButton, area_desc(kBoxWidth, 0), kLabelBone, 130, 30);
  s.camera_box = add_control(s, ctl::kBoolButton, area_desc(kBoxWidth, 0), kLabelCamera, 180, 30);
  s.light_box = add_control(s, ctl::kBoolButton, area_desc(kBoxWidth, 0), kLabelLight, 230, 30);
  s.mode_popup = add_control(s, ctl::kPopup, popup_desc(choice_items(kModeChoices), 200), kLabelMode, 50, 60);
  // The fields of the different modes share one place; the mode decides which show.
  const LWPanControlDesc field = string_desc(kFieldWidth);
  s.change_field = add_control(s, ctl::kEdit, field, kLabelField + 0, kFieldX, kFirstFieldY);
  s.prefix_field = add_control(s, ctl::kEdit, field, kLabelField + 1, kFieldX, kFirstFieldY);
  s.suffix_field = add_control(s, ctl::kEdit, field, kLabelField + 2, kFieldX, kFirstFieldY);
  s.search_field = add_control(s, ctl::kEdit, field, kLabelField + 3, kFieldX, kFirstFieldY);
  s.replace_field = add_control(s, ctl::kEdit, field, kLabelField + 4, kFieldX, kSecondFieldY);
  s.pattern_field = add_control(s, ctl::kEdit, field, kLabelField + 5, kFieldX, kFirstFieldY);
  s.pattern_replace_field = add_control(s, ctl::kEdit, field, kLabelField + 6, kFieldX, kSecondFieldY);
}

// The setting each type button and each edit field stands for.
int32_t *type_setting(NameReplaceState &s, LWControl *control) {
  if (control == s.null_box) return &s.settings.include_null;
  if (control == s.bone_box) return &s.settings.include_bone;
  if (control == s.camera_box) return &s.settings.include_camera;
  if (control == s.light_box) return &s.settings.include_light;
  return nullptr;
}

TextBuffer *text_setting(NameReplaceState &s, LWControl *control) {
  if (control == s.change_field) return &s.settings.change_text;
  if (control == s.prefix_field) return &s.settings.prefix_text;
  if (control == s.suffix_field) return &s.settings.suffix_text;
  if (control == s.search_field) return &s.settings.search_text;
  if (control == s.replace_field) return &s.settings.replace_text;
  if (control == s.pattern_field) return &s.settings.pattern_text;
  if (control == s.pattern_replace_field) return &s.settings.pattern_replace_text;
  return nullptr;
}

std::vector<LWControl *> type_buttons(const NameReplaceState &s) {
  return {s.null_box, s.bone_box, s.camera_box, s.light_box};
}

std::vector<LWControl *> edit_fields(const NameReplaceState &s) {
  return {s.change_field,  s.prefix_field,  s.suffix_field,         s.search_field,
          s.replace_field, s.pattern_field, s.pattern_replace_field};
}

// Empty for a mode without fields, which leaves the fields as they are.
std::vector<LWControl *> fields_of_mode(const NameReplaceState &s, Mode mode) {
  switch (mode) {
    case Mode::kChange: return {s.change_field};
    case Mode::kPrefix: return {s.prefix_field};
    case Mode::kSuffix: return {s.suffix_field};
    case Mode::kReplace: return {s.search_field, s.replace_field};
    case Mode::kRegex: return {s.pattern_field, s.pattern_replace_field};
    default: return {};
  }
}

void set_values(NameReplaceState &s) {
  // The popups' values are the codes' own numbers.
  set_int(s.target_popup, CTL_VALUE, static_cast<int>(s.settings.scope));
  for (LWControl *control : type_buttons(s)) set_int(control, CTL_VALUE, *type_setting(s, control));
  set_int(s.mode_popup, CTL_VALUE, static_cast<int>(s.settings.mode));
  for (LWControl *control : edit_fields(s)) set_text(control, text_setting(s, control)->str());
}

void set_handlers(NameReplaceState &s) {
  auto handle = [&s](LWControl *control, LWCtlEventFunc *event) {
    set_user_data(control, &s);
    set_event(control, event);
  };
  handle(s.target_popup, on_choice_changed);
  for (LWControl *control : type_buttons(s)) handle(control, on_choice_changed);
  handle(s.mode_popup, on_mode_changed);
  for (LWControl *control : edit_fields(s)) handle(control, on_text_changed);
}

// The shown fields are drawn after the hidden ones are erased: they share
// one place on the panel.
void show_fields_of_mode(const NameReplaceState &s) {
  const std::vector<LWControl *> shown = fields_of_mode(s, s.settings.mode);
  if (shown.empty()) return;
  for (LWControl *field : edit_fields(s))
    if (std::find(shown.begin(), shown.end(), field) == shown.end()) draw(field, DR_ERASE);
  for (LWControl *field : shown) draw(field, DR_RENDER);
}

// The name of the first selected item, as a rename would start from it, so
// that "Change" offers the current name to edit.
void prefill_change_text(NameReplaceState &s) {
  lwtool2::HashedItemList selection;
  lwtool2::append_selection(selection);
  if (selection.empty()) return;
  const std::string text = working_name(lwtool2::item_name(selection[0]));
  s.settings.change_text.assign(text);
  set_text(s.change_field, text);
}

std::array<LWControl **, 14> all_controls(NameReplaceState &s) {
  return {&s.target_popup,  &s.type_label,           &s.null_box,
          &s.bone_box,      &s.camera_box,           &s.light_box,
          &s.mode_popup,    &s.change_field,         &s.prefix_field,
          &s.suffix_field,  &s.search_field,         &s.replace_field,
          &s.pattern_field, &s.pattern_replace_field};
}

void forget_panel(NameReplaceState &s) {
  s.panel = nullptr;
  for (LWControl **control : all_controls(s)) *control = nullptr;
}

bool controls_complete(NameReplaceState &s) {
  std::array<LWControl *, 14> made{};
  std::ranges::transform(all_controls(s), made.begin(), [](LWControl **control) { return *control; });
  if (keep_complete_panel(panel_funcs(), s.panel, made)) return true;
  forget_panel(s);
  return false;
}

void close_and_destroy_panel(NameReplaceState &s) {
  if (s.panel == nullptr) return;
  LWPanelFuncs *funcs = panel_funcs();
  funcs->close(s.panel);
  funcs->destroy(s.panel);
  forget_panel(s);
}

int run_activation(NameReplaceState &s) {
  build_rename_panel(s);
  if (s.panel == nullptr) return AFUNC_BADGLOBAL;
  if (open_rename_panel(s) != 0) rename_items(s.settings);
  return AFUNC_OK;
}

}  // namespace

void build_rename_panel(NameReplaceState &s) {
  if (s.panel != nullptr) return;
  format_bounded(s.title, sizeof s.title, "%s(%d.%02d)%s", kNameReplaceServer, kVersionMajor, kVersionMinor,
                 " ");
  s.panel = create_panel(panel_funcs(), lwtool2::g_global, s.title, &s);
  if (s.panel == nullptr) return;
  add_controls(s);
  if (!controls_complete(s)) return;
  set_values(s);
  set_handlers(s);
  set_panel_int(panel_funcs(), s.panel, PAN_W, kPanelWidth);
  set_panel_int(panel_funcs(), s.panel, PAN_H, kPanelHeight);
}

int open_rename_panel(NameReplaceState &s) {
  build_rename_panel(s);
  if (s.panel == nullptr) return 0;
  prefill_change_text(s);
  on_mode_changed(s.mode_popup, &s);
  return panel_funcs()->open(s.panel, PANF_BLOCKING | PANF_CANCEL);
}

void on_choice_changed(LWControlID id, void *state) {
  auto *control = static_cast<LWControl *>(id);
  guarded([&] {
    auto &s = *static_cast<NameReplaceState *>(state);
    if (control == s.target_popup) s.settings.scope = static_cast<Scope>(get_int(control, CTL_VALUE));
    if (int32_t *setting = type_setting(s, control)) *setting = get_int(control, CTL_VALUE);
  });
}

void on_mode_changed(LWControlID, void *state) {
  guarded([&] {
    auto &s = *static_cast<NameReplaceState *>(state);
    s.settings.mode = static_cast<Mode>(get_int(s.mode_popup, CTL_VALUE));
    show_fields_of_mode(s);
  });
}

void on_text_changed(LWControlID id, void *state) {
  auto *control = static_cast<LWControl *>(id);
  guarded([&] {
    auto &s = *static_cast<NameReplaceState *>(state);
    if (TextBuffer *setting = text_setting(s, control)) setting->assign(lwtool2::read_control_text(control));
  });
}

// The panel is destroyed whatever happened meanwhile, so that the next
// activation starts from a fresh one.  An activation that finds the panel
// still open (the tool started again from inside its own modal panel) leaves
// it to the activation that opened it.
int run_name_replace() {
  int result = AFUNC_BADGLOBAL;
  NameReplaceState *state = nullptr;
  bool owns_panel = false;
  const bool finished = guarded([&] {
    state = &tool_state<NameReplaceState>();
    if (state->panel != nullptr) {
      result = AFUNC_OK;
      return;
    }
    owns_panel = true;
    result = run_activation(*state);
  });
  if (owns_panel) guarded([&] { close_and_destroy_panel(*state); });
  return finished ? result : AFUNC_BADGLOBAL;
}

}  // namespace qb::rename
