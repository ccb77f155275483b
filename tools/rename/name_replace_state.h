// The state of "QB:NameReplace": the panel of the current activation with its
// controls, and the settings, which outlive the panel and every activation.
#pragma once

#include "abi/host_api.h"
#include "toolkit/tool_state.h"
#include "tools/rename/rename_settings.h"

namespace qb::rename {

// The one record is tool_state<NameReplaceState>().
struct NameReplaceState {
  char title[512] = {};
  LWPanelID panel = nullptr;
  LWControl *target_popup = nullptr;
  LWControl *type_label = nullptr;
  LWControl *null_box = nullptr;
  LWControl *bone_box = nullptr;
  LWControl *camera_box = nullptr;
  LWControl *light_box = nullptr;
  LWControl *mode_popup = nullptr;
  LWControl *change_field = nullptr;
  LWControl *prefix_field = nullptr;
  LWControl *suffix_field = nullptr;
  LWControl *search_field = nullptr;
  LWControl *replace_field = nullptr;
  LWControl *pattern_field = nullptr;
  LWControl *pattern_replace_field = nullptr;
  RenameSettings settings;
};

// Builds the panel unless one exists; panel stays null when the host cannot
// make it or one of its controls.
void build_rename_panel(NameReplaceState &state);

// Pre-fills the change field, shows the fields of the current mode and opens
// the panel modally: non-zero for OK, 0 for Cancel (or no panel).
int open_rename_panel(NameReplaceState &state);

// Change handlers; the state record comes as the control's user data.
void on_choice_changed(LWControlID control, void *state);
void on_mode_changed(LWControlID control, void *state);
void on_text_changed(LWControlID control, void *state);

}  // namespace qb::rename
