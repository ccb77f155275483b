// Panel toolkit shared by the four panel tools: titles, control type names,
// thin wrappers over the host's attribute calls, and choice lists.
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "abi/host_api.h"

namespace qb {

inline constexpr int kVersionMajor = 1;
inline constexpr int kVersionMinor = 0;

// "%s(%d.%02d)%s" with the server name, 1, 0 and " ".
std::string panel_title(const char *server_name);

namespace ctl {
inline constexpr const char *kBorder = "BorderControl";
inline constexpr const char *kText = "TextControl";
inline constexpr const char *kEdit = "EditControl";
inline constexpr const char *kButton = "ButtonControl";
inline constexpr const char *kBool = "BoolControl";
inline constexpr const char *kBoolButton = "BoolButtonControl";
inline constexpr const char *kPopup = "PopupControl";
inline constexpr const char *kChoice = "ChoiceControl";
inline constexpr const char *kFile = "FileControl";
inline constexpr const char *kDir = "DirControl";
inline constexpr const char *kMultiList = "MultiListBoxControl";
}  // namespace ctl

// How a choice control lines its items up (the host's 0 and 1).
enum class ChoiceLayout : int { kHorizontal = 0, kVertical = 1 };

// Descriptors, one per variant of the host's descriptor union.
LWPanControlDesc string_desc(int width);                                // edit, file and folder fields
LWPanControlDesc choice_desc(const char **items, ChoiceLayout layout);  // choice controls
LWPanControlDesc popup_desc(const char **items, int width);             // pop-ups
LWPanControlDesc area_desc(int width, int height);  // borders; sized buttons and bool buttons (height 0)
LWPanControlDesc text_desc();                       // a text control without lines
LWPanControlDesc bool_desc();                       // check boxes
LWPanControlDesc multilist_desc(int width, int visible_rows, LWMListCountFunc *count, LWMListNameFunc *name,
                                LWMListColWidthFunc *col_width);

// Stores `global` into the panel services (as the host requires before any
// panel exists), then creates the panel; null when it cannot be made.
LWPanelID create_panel(LWPanelFuncs *funcs, GlobalFunc *global, const char *title, void *user_data);

// A panel missing a control could not be driven (a button without its
// field, a popup whose value nobody reads), so every panel tool gives such a
// panel up whole, and the activation that built it ends with 2.  True when
// every one of `controls` was made; otherwise destroys the panel, sets
// `panel` to null and answers false.
bool keep_complete_panel(LWPanelFuncs *funcs, LWPanelID &panel, std::span<LWControl *const> controls);

// Control attributes.
void set_int(LWControl *control, int tag, int value);
int get_int(LWControl *control, int tag);
void set_text(LWControl *control, const std::string &text);  // value tag 4, length + 1
void set_user_data(LWControl *control, void *data);
void set_event(LWControl *control, LWCtlEventFunc *event);
void draw(LWControl *control, int mode);

// Panel attributes.
void set_panel_int(LWPanelFuncs *funcs, LWPanelID panel, int tag, int value);
void set_panel_ptr(LWPanelFuncs *funcs, LWPanelID panel, int tag, void *value);
void set_panel_open_hook(LWPanelFuncs *funcs, LWPanelID panel, LWPanHookFunc *hook);
void set_panel_close_hook(LWPanelFuncs *funcs, LWPanelID panel, LWPanHookFunc *hook);
void set_panel_draw_hook(LWPanelFuncs *funcs, LWPanelID panel, LWPanDrawFunc *hook);
void bring_to_front(LWPanelFuncs *funcs, LWPanelID panel);

// First layer: value tag 4 through the module-wide 512-byte buffer.
std::string read_control_text(LWControl *control);

// A field's text that fills its 512-byte buffer (511 bytes) may have been cut
// by the host, so it names no item: looked up, it could only find another
// item whose name is its first bytes.
inline constexpr std::size_t kFieldTextLimit = 511;
inline bool fills_field_buffer(std::string_view text) { return text.size() >= kFieldTextLimit; }

// Low 16 bits of "Locale Info" equal to 1041.
bool locale_is_japanese(unsigned long locale);
unsigned long lookup_locale(GlobalFunc *global);

// A tool's choice lists: text lists handed to controls by position, with a
// parallel list of entry counts; emptied and refilled at every activation.
struct ChoiceLists {
  std::vector<const char **> lists;
  std::vector<int32_t> counts;
  void clear() {
    lists.clear();
    counts.clear();
  }
  void add(const char **list, int32_t count) {
    lists.push_back(list);
    counts.push_back(count);
  }
};

}  // namespace qb

namespace lwtool2 {
// Value tag 4 through a buffer local to the call (512 bytes).
std::string read_control_text(LWControl *control);
}  // namespace lwtool2
