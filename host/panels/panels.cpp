// Headless panels: the "LWPanelServices 2" record.  Panels and controls keep
// everything the module sets so that scripts can act on them and print them;
// nothing is drawn.  Panel and control records live as long as the host, so a
// handle the module keeps after destroying a panel (or across an unload)
// still points at a record, marked destroyed, rather than at freed memory.
#include <algorithm>
#include <cstring>

#include "host/core/host_state.h"
#include "host/core/text.h"
#include "host/core/unexpected_call.h"

namespace qbhost {
namespace {

constexpr std::size_t kMaxChoices = 4096;  // a choice list without its null ends here

Panel *panel_of(LWPanelID handle) {
  HostState *host = current_host();
  if (host == nullptr || host->panel_handles.count(handle) == 0) return nullptr;
  return static_cast<Panel *>(handle);
}

Control *control_of(LWControlID handle) {
  if (handle == nullptr || current_host() == nullptr) return nullptr;
  auto *control = static_cast<Control *>(static_cast<LWControl *>(handle)->priv_data);
  return control != nullptr && control->alive ? control : nullptr;
}

void trace_panel(HostState &host, const char *what, const Panel &panel, const std::string &tail = "") {
  std::string line = std::string("panel ") + what + " " + quoted(panel.title, text_code(host)) + tail;
  if (panel.destroyed) line += " (destroyed panel)";
  trace_line(host, line);
}

void remove_from_stack(HostState &host, Panel &panel) {
  auto &stack = host.open_panels;
  stack.erase(std::remove(stack.begin(), stack.end(), &panel), stack.end());
}

// Closes an open panel; the close callback runs after the panel is closed.
void close_panel(HostState &host, Panel &panel, int result) {
  if (!panel.open) return;
  panel.open = false;
  remove_from_stack(host, panel);
  if (panel.waiting) {
    panel.modal_result = result;
    panel.waiting = false;
  }
  if (panel.close_hook != nullptr) panel.close_hook(&panel, panel.user_data);
}

// ---- panel operations

LWPanelID panel_create(const char *title, void *user_data) {
  HostState *host = current_host();
  if (host == nullptr || host->settings.fail_panels) return nullptr;
  auto panel = std::make_unique<Panel>();
  panel->title = title == nullptr ? "" : title;
  panel->title_handed = title;
  panel->user_data = user_data;
  Panel *handle = panel.get();
  host->panels.push_back(std::move(panel));
  host->panel_handles.insert(handle);
  return handle;
}

void panel_destroy(LWPanelID handle) {
  HostState *host = current_host();
  Panel *panel = panel_of(handle);
  if (panel == nullptr) return;
  trace_panel(*host, "destroy", *panel);
  if (panel->destroyed) return;
  // A destroyed panel disappears without its close callback: the module is
  // taking it apart.
  panel->open = false;
  panel->waiting = false;
  remove_from_stack(*host, *panel);
  panel->destroyed = true;
  for (Control *control : panel->controls) control->alive = false;
}

int panel_open(LWPanelID handle, int flags) {
  HostState *host = current_host();
  Panel *panel = panel_of(handle);
  if (panel == nullptr) return 0;
  trace_panel(*host, "open", *panel, " flags=" + std::to_string(flags));
  if (panel->destroyed) return 0;
  if (panel->open) return 1;
  panel->open = true;
  panel->flags = flags;
  panel->waiting = (flags & PANF_BLOCKING) != 0;
  panel->modal_result = 0;
  host->open_panels.push_back(panel);
  if (panel->open_hook != nullptr) panel->open_hook(panel, panel->user_data);
  if (panel->open && panel->draw_hook != nullptr) panel->draw_hook(panel, panel->user_data, DR_RENDER);
  if ((flags & PANF_BLOCKING) == 0) return 1;
  if (panel->waiting) run_modal(*host, *panel);
  return panel->modal_result;
}

void panel_close(LWPanelID handle) {
  HostState *host = current_host();
  Panel *panel = panel_of(handle);
  if (panel == nullptr) return;
  trace_panel(*host, "close", *panel);
  close_panel(*host, *panel, close_result(*panel));
}

void panel_set(LWPanelID handle, int tag, void *value) {
  HostState *host = current_host();
  Panel *panel = panel_of(handle);
  if (panel == nullptr) return;
  switch (tag) {
    case PAN_W:
      if (value != nullptr) panel->width = *static_cast<int *>(value);
      break;
    case PAN_H:
      if (value != nullptr) panel->height = *static_cast<int *>(value);
      break;
    case PAN_USERDRAW: panel->draw_hook = reinterpret_cast<LWPanDrawFunc *>(value); break;
    case PAN_USEROPEN: panel->open_hook = reinterpret_cast<LWPanHookFunc *>(value); break;
    case PAN_USERCLOSE: panel->close_hook = reinterpret_cast<LWPanHookFunc *>(value); break;
    case PAN_USERDATA: panel->user_data = value; break;
    case PAN_TO_FRONT:
      trace_panel(*host, "front", *panel);
      if (panel->open) {
        remove_from_stack(*host, *panel);
        host->open_panels.push_back(panel);
      }
      break;
    default: break;
  }
}

void panel_get(LWPanelID handle, int tag, void *value) {
  Panel *panel = panel_of(handle);
  if (panel == nullptr || value == nullptr) return;
  switch (tag) {
    case PAN_W: *static_cast<int *>(value) = panel->width; break;
    case PAN_H: *static_cast<int *>(value) = panel->height; break;
    case PAN_USERDRAW: *static_cast<void **>(value) = reinterpret_cast<void *>(panel->draw_hook); break;
    case PAN_USEROPEN: *static_cast<void **>(value) = reinterpret_cast<void *>(panel->open_hook); break;
    case PAN_USERCLOSE: *static_cast<void **>(value) = reinterpret_cast<void *>(panel->close_hook); break;
    case PAN_USERDATA: *static_cast<void **>(value) = panel->user_data; break;
    default: break;
  }
}

// ---- control operations

// 8 pixels per byte, as the 2018 host's single- and double-byte characters
// are one and two columns wide.  A UTF-8 label (2020 generation) is measured
// in the same columns: a character of several bytes is two (a half-width
// katakana, U+FF61-U+FF9F, one), so a label is as wide in both generations.
int label_width(const std::string &label, TextCode code) {
  if (label.empty()) return 0;
  if (label[0] == '\x03') return 16;  // an image label
  if (code != TextCode::Utf8) return 8 * static_cast<int>(label.size());
  int columns = 0;
  for (std::size_t i = 0; i < label.size();) {
    const std::size_t length = std::max<std::size_t>(utf8_sequence_length(label, i), 1);
    const std::string_view character(label.data() + i, length);  // compared as unsigned bytes
    const bool half_width = character >= "\xEF\xBD\xA1" && character <= "\xEF\xBE\x9F";
    columns += length == 1 || half_width ? 1 : 2;
    i += length;
  }
  return 8 * columns;
}

void control_draw(LWControlID handle, int mode) {
  Control *control = control_of(handle);
  if (control != nullptr && mode >= DR_ERASE && mode <= DR_GHOST) control->draw_mode = mode;
}

// Values travel in the variant of the LWValue union their tag calls for:
// positions, integer values and the label width in `intv`, texts in `str`,
// user data and callbacks in `ptr`.
void control_get(LWControlID handle, int tag, LWValue *value) {
  Control *control = control_of(handle);
  if (control == nullptr || value == nullptr) return;
  switch (tag) {
    case CTL_X: value->intv.value = control->x; break;
    case CTL_Y: value->intv.value = control->y; break;
    case CTL_LABELWIDTH: {
      const HostState *host = current_host();
      value->intv.value = label_width(control->label, host == nullptr ? TextCode::Plain : text_code(*host));
      break;
    }
    case CTL_USEREVENT: value->ptr.ptr = reinterpret_cast<void *>(control->event); break;
    case CTL_USERDATA: value->ptr.ptr = control->user_data; break;
    case CTL_VALUE:
      if (value->type != LWT_STRING) {
        value->intv.value = control->int_value;
      } else if (value->str.buf != nullptr && value->str.bufLen > 0) {
        // At most bufLen - 1 bytes and the terminator: never past the buffer.
        const std::size_t room = static_cast<std::size_t>(value->str.bufLen) - 1;
        const std::size_t length = std::min(room, control->text_value.size());
        std::memcpy(value->str.buf, control->text_value.data(), length);
        value->str.buf[length] = '\0';
      }
      break;
    default: break;
  }
}

void control_set(LWControlID handle, int tag, LWValue *value) {
  Control *control = control_of(handle);
  if (control == nullptr || value == nullptr) return;
  switch (tag) {
    case CTL_X: control->x = value->intv.value; break;
    case CTL_Y: control->y = value->intv.value; break;
    case CTL_USEREVENT: control->event = reinterpret_cast<LWCtlEventFunc *>(value->ptr.ptr); break;
    case CTL_USERDATA: control->user_data = value->ptr.ptr; break;
    case CTL_VALUE:
      if (value->type == LWT_STRING) {
        control->kind = ValueKind::Text;
        // The text ends at its terminator or after bufLen - 1 bytes, whichever
        // comes first; a size of 0 or less means "up to the terminator".
        const char *text = value->str.buf == nullptr ? "" : value->str.buf;
        const std::size_t limit =
            value->str.bufLen > 0 ? static_cast<std::size_t>(value->str.bufLen) - 1 : SIZE_MAX;
        control->text_value.assign(text, strnlen(text, limit));
      } else {
        control->kind = ValueKind::Integer;
        control->int_value = value->intv.value;
      }
      break;
    default: break;  // label width is read only
  }
}

std::vector<std::string> text_list(const char *const *texts) {
  std::vector<std::string> list;
  if (texts == nullptr) return list;
  for (std::size_t i = 0; i < kMaxChoices && texts[i] != nullptr; ++i) list.emplace_back(texts[i]);
  return list;
}

// The descriptor union is read in the variant the control type takes, and
// only when its type code says that variant was filled in (a plain button's
// integer or a plain bool button's boolean carries nothing more).
void copy_descriptor(Control &control, const std::string &type_name, const LWPanControlDesc *desc) {
  if (desc == nullptr) return;
  control.desc_type = desc->type;
  if (type_name == "EditControl" || type_name == "FileControl" || type_name == "DirControl") {
    if (desc->type != LWT_STRING) return;
    control.width = desc->string.width;
    control.kind = ValueKind::Text;
  } else if (type_name == "ChoiceControl" || type_name == "PopupControl") {
    if (desc->type != LWT_CHOICE) return;
    // Choice controls read `vertical` as their layout, pop-ups as their width.
    control.width = desc->choice.vertical;
    control.vertical = desc->choice.vertical;
    control.choices = text_list(desc->choice.items);
    control.choices_handed = desc->choice.items;
  } else if (type_name == "TextControl") {
    if (desc->type != LWT_TEXT) return;
    control.lines = text_list(desc->text.text);
    control.lines_handed = desc->text.text;
  } else if (type_name == "ButtonControl" || type_name == "BoolButtonControl" ||
             type_name == "BorderControl") {
    if (desc->type != LWT_AREA) return;
    control.width = desc->area.width;
    control.height = desc->area.height;
  } else if (type_name == "MultiListBoxControl") {
    if (desc->type != LWT_MLIST) return;
    control.width = desc->multiList.width;
    control.visible_rows = desc->multiList.visItems;
    control.count_fn = desc->multiList.countFn;
    control.name_fn = desc->multiList.nameFn;
    control.col_width_fn = desc->multiList.colWidth;
  }
}

LWControl *panel_add_control(LWPanelID handle, const char *type_name, LWPanControlDesc *desc,
                             const char *label) {
  HostState *host = current_host();
  Panel *panel = panel_of(handle);
  if (panel == nullptr || panel->destroyed) return nullptr;
  auto control = std::make_unique<Control>();
  control->panel = panel;
  control->number = static_cast<int>(panel->controls.size()) + 1;
  control->type_name = type_name == nullptr ? "" : type_name;
  control->label = label == nullptr ? "" : label;
  control->label_handed = label;
  copy_descriptor(*control, control->type_name, desc);
  control->handle.draw = control_draw;
  control->handle.get = control_get;
  control->handle.set = control_set;
  control->handle.priv_data = control.get();
  panel->controls.push_back(control.get());
  host->controls.push_back(std::move(control));
  return &host->controls.back()->handle;
}

// The panel services hand these to the module as `drawFuncs`; the module
// never draws, so the record is never read.
alignas(16) unsigned char g_draw_funcs[256];

LWPanelFuncs3 make_panel_funcs() {
  LWPanelFuncs3 whole{};
  whole.setParent = QBHOST_TRAP(LWPanelFuncs3, setParent);
  whole.getRaster = QBHOST_TRAP(LWPanelFuncs3, getRaster);
  LWPanelFuncs &r = whole.funcs;
  r.create = panel_create;
  r.destroy = panel_destroy;
  r.open = panel_open;
  r.handle = QBHOST_TRAP(LWPanelFuncs, handle);
  r.draw = QBHOST_TRAP(LWPanelFuncs, draw);
  r.close = panel_close;
  r.get = panel_get;
  r.set = panel_set;
  r.addControl = panel_add_control;
  r.nextControl = QBHOST_TRAP(LWPanelFuncs, nextControl);
  r.drawFuncs = reinterpret_cast<LWDrawFuncs *>(g_draw_funcs);
  r.user_data = nullptr;
  r.globalFun = nullptr;  // the module's to fill in
  r.destroyControl = QBHOST_TRAP(LWPanelFuncs, destroyControl);
  return whole;
}

LWPanelFuncs3 g_panel_funcs = make_panel_funcs();

}  // namespace

LWPanelFuncs *panel_funcs() { return &g_panel_funcs.funcs; }
LWPanelFuncs3 *panel_funcs_2020() { return &g_panel_funcs; }

int close_result(const Panel &panel) {
  // Closing the window of a panel with a Cancel button cancels it.
  return (panel.flags & PANF_CANCEL) != 0 ? 0 : 1;
}

void user_closes(HostState &host, Panel &panel, int result) { close_panel(host, panel, result); }

Panel *topmost_panel(HostState &host) { return host.open_panels.empty() ? nullptr : host.open_panels.back(); }

Panel *panel_by_title(HostState &host, const std::string &title) {
  for (auto it = host.open_panels.rbegin(); it != host.open_panels.rend(); ++it)
    if ((*it)->title == title) return *it;
  for (auto it = host.panels.rbegin(); it != host.panels.rend(); ++it)
    if (!(*it)->destroyed && (*it)->title == title) return it->get();
  return nullptr;
}

namespace {

// Whether `handed` still reads `copy` and its terminator.  It reads no further than the first byte that
// differs: a text that died may no longer end where it did.
bool still_reads(const char *handed, const std::string &copy) {
  if (handed == nullptr) return copy.empty();
  for (std::size_t i = 0; i < copy.size(); ++i)
    if (handed[i] != copy[i]) return false;
  return handed[copy.size()] == '\0';
}

bool list_still_reads(const char *const *handed, const std::vector<std::string> &copies,
                      std::size_t &first_wrong) {
  if (handed == nullptr) return copies.empty();
  for (first_wrong = 0; first_wrong < copies.size(); ++first_wrong)
    if (!still_reads(handed[first_wrong], copies[first_wrong])) return false;
  return copies.size() == kMaxChoices || handed[copies.size()] == nullptr;
}

}  // namespace

// The pointers are read as the host would read them: a text that died reads freed memory here, which the
// sanitizer build reports where it happens, and which otherwise rarely still holds the text.
bool handed_texts_intact(const HostState &host, std::string &fault) {
  for (const auto &panel : host.panels) {
    if (panel->destroyed) continue;
    const std::string name = "panel " + quoted(panel->title, text_code(host));
    if (!still_reads(panel->title_handed, panel->title)) {
      fault = name + ": the title handed to create no longer holds its text";
      return false;
    }
    for (const Control *control : panel->controls) {
      const std::string which = name + " control " + std::to_string(control->number);
      std::size_t wrong = 0;
      if (!still_reads(control->label_handed, control->label)) {
        fault = which + ": the label handed to addControl no longer holds its text";
      } else if (!list_still_reads(control->choices_handed, control->choices, wrong)) {
        fault = which + ": choice " + std::to_string(wrong) + " no longer holds its text";
      } else if (!list_still_reads(control->lines_handed, control->lines, wrong)) {
        fault = which + ": text line " + std::to_string(wrong) + " no longer holds its text";
      } else {
        continue;
      }
      return false;
    }
  }
  return true;
}

void drop_panels(HostState &host) {
  // The records stay (retired): a module that outlives the unload, as one
  // attached in-process does, may still hold their handles.
  for (auto &panel : host.panels) {
    panel->open = false;
    panel->waiting = false;
    panel->destroyed = true;
    for (Control *control : panel->controls) control->alive = false;
  }
  host.open_panels.clear();
}

}  // namespace qbhost
