// Panel toolkit: titles, descriptors and the host's attribute calls.
#include "toolkit/panel.h"

#include <cstdint>

#include "toolkit/text/format.h"

namespace qb {
namespace {

constexpr int kTextBufferSize = 512;  // at most 511 bytes of text from a field

// The first layer reads every field through this one buffer.
char g_control_text[kTextBufferSize];

const char *g_no_texts[] = {nullptr};

LWValue pointer_value(void *pointer) {
  LWValue value{};
  value.ptr.type = LWT_POINTER;
  value.ptr.ptr = pointer;
  return value;
}

std::string read_text_into(LWControl *control, char *buffer, int size) {
  buffer[0] = '\0';
  if (control == nullptr || control->get == nullptr) return std::string();
  LWValue value{};
  value.str.type = LWT_STRING;
  value.str.buf = buffer;
  value.str.bufLen = size;
  control->get(control, CTL_VALUE, &value);
  buffer[size - 1] = '\0';  // whatever the control wrote, the text ends in the buffer
  return std::string(buffer);
}

}  // namespace

std::string panel_title(const char *server_name) {
  return format_text("%s(%d.%02d)%s", server_name == nullptr ? "" : server_name, kVersionMajor, kVersionMinor,
                     " ");
}

LWPanControlDesc string_desc(int width) {
  LWPanControlDesc desc{};
  desc.string.type = LWT_STRING;
  desc.string.width = width;
  return desc;
}

LWPanControlDesc choice_desc(const char **items, ChoiceLayout layout) {
  LWPanControlDesc desc{};
  desc.choice.type = LWT_CHOICE;
  desc.choice.items = items;
  desc.choice.vertical = static_cast<int>(layout);
  return desc;
}

LWPanControlDesc popup_desc(const char **items, int width) {
  LWPanControlDesc desc{};
  desc.choice.type = LWT_CHOICE;
  desc.choice.items = items;
  // A pop-up's width travels in the choice variant's `vertical`.
  desc.choice.vertical = width;
  return desc;
}

LWPanControlDesc area_desc(int width, int height) {
  LWPanControlDesc desc{};
  desc.area.type = LWT_AREA;
  desc.area.width = width;
  desc.area.height = height;
  return desc;
}

LWPanControlDesc text_desc() {
  LWPanControlDesc desc{};
  desc.text.type = LWT_TEXT;
  desc.text.text = g_no_texts;
  return desc;
}

LWPanControlDesc bool_desc() {
  LWPanControlDesc desc{};
  desc.type = LWT_BOOLEAN;
  return desc;
}

LWPanControlDesc multilist_desc(int width, int visible_rows, LWMListCountFunc *count, LWMListNameFunc *name,
                                LWMListColWidthFunc *col_width) {
  LWPanControlDesc desc{};
  desc.multiList.type = LWT_MLIST;
  desc.multiList.width = width;
  desc.multiList.visItems = visible_rows;
  desc.multiList.countFn = count;
  desc.multiList.nameFn = name;
  desc.multiList.colWidth = col_width;
  return desc;
}

LWPanelID create_panel(LWPanelFuncs *funcs, GlobalFunc *global, const char *title, void *user_data) {
  if (funcs == nullptr || funcs->create == nullptr) return nullptr;
  // The host's panel services look services up through the plug-in's own
  // global function, which must be in place before the first panel exists.
  funcs->globalFun = global;
  return funcs->create(title, user_data);
}

bool keep_complete_panel(LWPanelFuncs *funcs, LWPanelID &panel, std::span<LWControl *const> controls) {
  if (panel == nullptr) return false;
  for (LWControl *control : controls) {
    if (control != nullptr) continue;
    if (funcs != nullptr && funcs->destroy != nullptr) funcs->destroy(panel);
    panel = nullptr;
    return false;
  }
  return true;
}

void set_int(LWControl *control, int tag, int value) {
  if (control == nullptr || control->set == nullptr) return;
  LWValue v{};
  v.intv.type = LWT_INTEGER;
  v.intv.value = value;
  control->set(control, tag, &v);
}

int get_int(LWControl *control, int tag) {
  if (control == nullptr || control->get == nullptr) return 0;
  LWValue v{};
  v.intv.type = LWT_INTEGER;
  control->get(control, tag, &v);
  return v.intv.value;
}

void set_text(LWControl *control, const std::string &text) {
  if (control == nullptr || control->set == nullptr) return;
  LWValue v{};
  v.str.type = LWT_STRING;
  v.str.buf = const_cast<char *>(text.c_str());  // read only by the host
  v.str.bufLen = static_cast<int>(text.size()) + 1;
  control->set(control, CTL_VALUE, &v);
}

void set_user_data(LWControl *control, void *data) {
  if (control == nullptr || control->set == nullptr) return;
  LWValue v = pointer_value(data);
  control->set(control, CTL_USERDATA, &v);
}

void set_event(LWControl *control, LWCtlEventFunc *event) {
  if (control == nullptr || control->set == nullptr) return;
  LWValue v = pointer_value(reinterpret_cast<void *>(event));
  control->set(control, CTL_USEREVENT, &v);
}

void draw(LWControl *control, int mode) {
  if (control != nullptr && control->draw != nullptr) control->draw(control, mode);
}

void set_panel_int(LWPanelFuncs *funcs, LWPanelID panel, int tag, int value) {
  if (funcs == nullptr || panel == nullptr) return;
  funcs->set(panel, tag, &value);
}

void set_panel_ptr(LWPanelFuncs *funcs, LWPanelID panel, int tag, void *value) {
  if (funcs == nullptr || panel == nullptr) return;
  funcs->set(panel, tag, value);
}

void set_panel_open_hook(LWPanelFuncs *funcs, LWPanelID panel, LWPanHookFunc *hook) {
  set_panel_ptr(funcs, panel, PAN_USEROPEN, reinterpret_cast<void *>(hook));
}

void set_panel_close_hook(LWPanelFuncs *funcs, LWPanelID panel, LWPanHookFunc *hook) {
  set_panel_ptr(funcs, panel, PAN_USERCLOSE, reinterpret_cast<void *>(hook));
}

void set_panel_draw_hook(LWPanelFuncs *funcs, LWPanelID panel, LWPanDrawFunc *hook) {
  set_panel_ptr(funcs, panel, PAN_USERDRAW, reinterpret_cast<void *>(hook));
}

void bring_to_front(LWPanelFuncs *funcs, LWPanelID panel) {
  set_panel_ptr(funcs, panel, PAN_TO_FRONT, nullptr);
}

std::string read_control_text(LWControl *control) {
  return read_text_into(control, g_control_text, kTextBufferSize);
}

bool locale_is_japanese(unsigned long locale) { return (locale & 0xFFFFu) == LANGID_JAPANESE; }

unsigned long lookup_locale(GlobalFunc *global) {
  if (global == nullptr) return 0;
  return static_cast<unsigned long>(
      reinterpret_cast<std::uintptr_t>(global(LWLOCALEINFO_GLOBAL, GFUSE_TRANSIENT)));
}

}  // namespace qb

namespace lwtool2 {

std::string read_control_text(LWControl *control) {
  char buffer[qb::kTextBufferSize];
  return qb::read_text_into(control, buffer, qb::kTextBufferSize);
}

}  // namespace lwtool2
