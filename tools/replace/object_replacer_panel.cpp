// "QB:ObjectReplacer": a non-blocking panel, built once and reopened at every
// later activation with the settings the user left in it.
#include "tools/replace/object_replacer_panel.h"

#include "toolkit/guard.h"
#include "toolkit/items/items.h"
#include "toolkit/lwtool2/items.h"
#include "toolkit/lwtool2/services.h"
#include "toolkit/panel.h"
#include "toolkit/tool_state.h"
#include "tools/replace/object_replacer_text.h"
#include "tools/replace/replace_run.h"
#include "tools/tools.h"

namespace qb::replace {
namespace {

constexpr const char *kServerName = "QB:ObjectReplacer";

const char **choice_list(int index) {
  const ChoiceLists &choices = object_replacer_choices();
  return static_cast<std::size_t>(index) < choices.lists.size() ? choices.lists[index] : nullptr;
}

const char *label(int index) { return g_object_replacer_labels[index]; }

// Only the field the mode uses can be edited.
void draw_path_fields(const ObjectReplacerState &state) {
  const bool file_mode = state.mode == Mode::kFile;
  draw(state.file_control, file_mode ? DR_RENDER : DR_GHOST);
  draw(state.directory_control, file_mode ? DR_GHOST : DR_RENDER);
}

// The file of the first selected mesh object, so that a user who picked the
// object first finds its file already in the field.
std::string default_file_path() {
  const LWObjectInfo *objects = lwtool2::services().object_info;
  if (!objects) return {};
  for (LWItemID item : lwtool2::selection_list(lwtool2::Descendants::kLeftOut)) {
    if (lwtool2::classify_item(item) != kMeshObject) continue;
    const char *file = objects->filename(item);
    if (file && *file) return file;
  }
  return {};
}

void run_replacement(ObjectReplacerState &state) {
  guarded([&] { replace_layers(state.scope, state.mode, state.file_path, state.directory_path); });
  if (LWPanelFuncs *funcs = lwtool2::services().panel) funcs->close(state.panel);
}

void handle_event(LWControl *control, ObjectReplacerState &state) {
  if (control == state.scope_control) {
    state.scope = static_cast<Scope>(get_int(control, CTL_VALUE));
  } else if (control == state.mode_control) {
    state.mode = static_cast<Mode>(get_int(control, CTL_VALUE));
    draw_path_fields(state);
  } else if (control == state.file_control) {
    state.file_path = lwtool2::read_control_text(control);
  } else if (control == state.directory_control) {
    state.directory_path = lwtool2::read_control_text(control);
  } else if (control == state.run_control) {
    run_replacement(state);
  }
}

void on_event(LWControlID id, void *data) {
  auto *control = static_cast<LWControl *>(id);
  if (!data) return;
  guarded([&] { handle_event(control, *static_cast<ObjectReplacerState *>(data)); });
}

void attach(LWControl *control, ObjectReplacerState &state) {
  set_user_data(control, &state);
  set_event(control, &on_event);
}

LWControl *add_control(LWPanelFuncs *funcs, LWPanelID panel, const char *type, LWPanControlDesc desc,
                       int label_index, int x, int y) {
  LWControl *control = funcs->addControl(panel, type, &desc, label(label_index));
  set_int(control, CTL_X, x);
  set_int(control, CTL_Y, y);
  return control;
}

void add_settings_controls(LWPanelFuncs *funcs, ObjectReplacerState &state) {
  LWPanelID panel = state.panel;
  state.scope_control =
      add_control(funcs, panel, ctl::kPopup, popup_desc(choice_list(kChoiceScopes), 200), kLabelScope, 50, 0);
  const LWPanControlDesc modes = choice_desc(choice_list(kChoiceModes), ChoiceLayout::kHorizontal);
  state.mode_control = add_control(funcs, panel, ctl::kChoice, modes, kLabelMode, 43, 25);
  state.file_control = add_control(funcs, panel, ctl::kFile, string_desc(65), kLabelFile, 34, 60);
  state.directory_control = add_control(funcs, panel, ctl::kDir, string_desc(65), kLabelDirectory, 18, 85);

  // The popup's and the choice's values are the codes' own numbers.
  set_int(state.scope_control, CTL_VALUE, static_cast<int>(state.scope));
  attach(state.scope_control, state);
  set_int(state.mode_control, CTL_VALUE, static_cast<int>(state.mode));
  attach(state.mode_control, state);
  state.mode = static_cast<Mode>(get_int(state.mode_control, CTL_VALUE));
  draw_path_fields(state);

  // A failed look-up of the selection has been reported already; the panel is
  // still worth building, with an empty field.
  if (state.file_path.empty()) guarded([&] { state.file_path = default_file_path(); });
  set_text(state.file_control, state.file_path);
  set_text(state.directory_control, state.directory_path);
  attach(state.file_control, state);
  attach(state.directory_control, state);
}

void add_run_row(LWPanelFuncs *funcs, ObjectReplacerState &state) {
  state.border_control =
      add_control(funcs, state.panel, ctl::kBorder, area_desc(510, 30), kLabelBorder, 5, 125);
  LWPanControlDesc desc = area_desc(100, 0);
  state.run_control = funcs->addControl(state.panel, ctl::kButton, &desc, label(kLabelRun));
  // The button ends at the same place whatever the language's label width.
  set_int(state.run_control, CTL_X, 400 - get_int(state.run_control, CTL_LABELWIDTH));
  set_int(state.run_control, CTL_Y, 130);
  attach(state.run_control, state);
}

void build_panel(LWPanelFuncs *funcs, ObjectReplacerState &state) {
  state.title = panel_title(kServerName);
  state.panel = create_panel(funcs, lwtool2::g_global, state.title.c_str(), nullptr);
  if (!state.panel) return;
  add_settings_controls(funcs, state);
  add_run_row(funcs, state);
  LWControl *const made[] = {state.scope_control,     state.mode_control,   state.file_control,
                             state.directory_control, state.border_control, state.run_control};
  if (!keep_complete_panel(funcs, state.panel, made)) {
    state.scope_control = state.mode_control = state.file_control = nullptr;
    state.directory_control = state.border_control = state.run_control = nullptr;
    return;
  }
  set_panel_int(funcs, state.panel, PAN_W, 280);
  set_panel_int(funcs, state.panel, PAN_H, 165);
}

int open_object_replacer() {
  LWPanelFuncs *funcs = lwtool2::services().panel;
  if (!funcs) return AFUNC_BADGLOBAL;
  ObjectReplacerState &state = tool_state<ObjectReplacerState>();
  if (!state.panel) build_panel(funcs, state);
  if (!state.panel) return AFUNC_BADGLOBAL;
  return funcs->open(state.panel, PANF_NOBUTT) ? AFUNC_OK : AFUNC_BADGLOBAL;
}

}  // namespace

int run_object_replacer() {
  int result = AFUNC_BADGLOBAL;
  if (!guarded([&] { result = open_object_replacer(); })) return AFUNC_BADGLOBAL;
  return result;
}

}  // namespace qb::replace
