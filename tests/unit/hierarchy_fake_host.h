// A small in-process host for the hierarchy tools' unit tests: items with
// parents and children, a selection that follows "SelectItem" and
// "AddToSelection", a record of every command, and headless panels.
#pragma once

#include <cstdint>
#include <cstdio>
#include <map>
#include <memory>
#include <string>
#include <unordered_map>
#include <vector>

#include "abi/host_api.h"
#include "toolkit/services.h"

namespace hierarchy_test {

struct Item {
  LWItemType type = LWI_OBJECT;
  std::string name;  // empty is answered as null
  std::string file;
  LWItemID parent = nullptr;
  std::vector<LWItemID> children;
  std::size_t child_position = 0;  // in the parent's list
  std::size_t kind_position = 0;   // in the list of its kind (bones: its object's)
  LWItemID object = nullptr;       // bones
  std::vector<LWItemID> bones;     // objects
};

struct Control {
  LWControl base{};  // first: the host's pointer is the control's
  std::string type;
  std::string label;
  LWPanControlDesc desc{};
  std::map<int, int> ints;
  std::string text;
  void *user_data = nullptr;
  LWCtlEventFunc *event = nullptr;
};

struct Panel {
  std::string title;
  std::vector<std::unique_ptr<Control>> controls;
  std::map<int, int> ints;
  void *user_data = nullptr;
  LWPanHookFunc *open_hook = nullptr;
  LWPanHookFunc *close_hook = nullptr;
  bool open = false;
  int open_calls = 0;
  int close_calls = 0;
};

class FakeHost {
 public:
  FakeHost() {
    current() = this;
    qb::reset_service_table();
  }
  ~FakeHost() {
    current() = nullptr;
    qb::reset_service_table();
  }
  FakeHost(const FakeHost &) = delete;
  FakeHost &operator=(const FakeHost &) = delete;

  static FakeHost *&current() {
    static FakeHost *host = nullptr;
    return host;
  }

  // Fills the first layer's service table from this host, as an activation does.
  void load() { qb::load_service_table(&global); }

  LWItemID add(LWItemType type, const std::string &name, LWItemID parent = nullptr, const std::string &file = "") {
    std::vector<LWItemID> &kind = type == LWI_BONE ? items_[bone_object(parent)].bones : kinds_[type];
    const LWItemID id = make_id(type, kind.size(), parent);
    Item item;
    item.type = type;
    item.name = name;
    item.file = file;
    item.kind_position = kind.size();
    if (type == LWI_BONE) item.object = bone_object(parent);
    kind.push_back(id);
    items_[id] = item;
    if (parent != nullptr) attach(id, parent);
    return id;
  }
  LWItemID mesh(const std::string &name, LWItemID parent = nullptr) {
    return add(LWI_OBJECT, name, parent, "Objects/" + name + ".lwo");
  }
  LWItemID null_object(const std::string &name, LWItemID parent = nullptr) { return add(LWI_OBJECT, name, parent); }

  Item &item(LWItemID id) { return items_.at(id); }

  std::vector<std::string> commands;
  std::vector<LWItemID> selection;
  unsigned int general_flags = 0;
  bool fail_panels = false;
  std::vector<std::unique_ptr<Panel>> panels;

 private:
  LWItemID make_id(LWItemType type, std::size_t position, LWItemID parent) {
    uintptr_t base = 0x10000000u * (static_cast<uintptr_t>(type) + 1);
    if (type == LWI_BONE) base = 0x40000000u + (position << 16) + (reinterpret_cast<uintptr_t>(bone_object(parent)) & 0xFFFF);
    else base += position;
    return reinterpret_cast<LWItemID>(base);
  }
  LWItemID bone_object(LWItemID parent) {
    const Item &p = items_.at(parent);
    return p.type == LWI_BONE ? p.object : parent;
  }
  void attach(LWItemID child, LWItemID parent) {
    Item &p = items_.at(parent);
    items_[child].parent = parent;
    items_[child].child_position = p.children.size();
    p.children.push_back(child);
  }

  // ---- services ----------------------------------------------------------
  static void *global(const char *name, int) {
    FakeHost *host = current();
    const std::string service = name;
    if (service == LWPRODUCTINFO_GLOBAL) return reinterpret_cast<void *>(uintptr_t{15u << 20});
    if (service == LWLOCALEINFO_GLOBAL) return reinterpret_cast<void *>(uintptr_t{1033});
    if (service == LWCOMMANDINTERFACE_GLOBAL) return &host->command_;
    if (service == LWITEMINFO_GLOBAL) return &host->item_info_;
    if (service == LWOBJECTINFO_GLOBAL) return &host->object_info_;
    if (service == LWPANELFUNCS_GLOBAL) return &host->panel_funcs_;
    if (service == LWINTERFACEINFO_GLOBAL) return host->snapshot();
    return nullptr;
  }

  LWInterfaceInfo *snapshot() {
    auto items = std::make_unique<std::vector<LWItemID>>(selection);
    items->push_back(nullptr);
    auto info = std::make_unique<LWInterfaceInfo>();
    info->selItems = items->data();
    info->generalFlags = general_flags;
    snapshot_items_.push_back(std::move(items));
    snapshots_.push_back(std::move(info));
    return snapshots_.back().get();
  }

  static int evaluate(const char *text) {
    FakeHost *host = current();
    const std::string command = text;
    host->commands.push_back(command);
    unsigned long id = 0;
    if (std::sscanf(text, "SelectItem %lx", &id) == 1) host->selection = {reinterpret_cast<LWItemID>(id)};
    else if (std::sscanf(text, "AddToSelection %lx", &id) == 1) host->selection.push_back(reinterpret_cast<LWItemID>(id));
    return 1;
  }

  static LWItemID first(LWItemType type, LWItemID object) {
    FakeHost *host = current();
    const std::vector<LWItemID> *kind = nullptr;
    if (type == LWI_BONE) kind = object == nullptr ? nullptr : &host->items_.at(object).bones;
    else if (host->kinds_.count(type)) kind = &host->kinds_[type];
    return kind == nullptr || kind->empty() ? nullptr : kind->front();
  }
  static LWItemID next(LWItemID id) {
    FakeHost *host = current();
    const Item &item = host->items_.at(id);
    const std::vector<LWItemID> &kind =
        item.type == LWI_BONE ? host->items_.at(item.object).bones : host->kinds_[item.type];
    return item.kind_position + 1 < kind.size() ? kind[item.kind_position + 1] : nullptr;
  }
  static LWItemID first_child(LWItemID parent) {
    const Item &item = current()->items_.at(parent);
    return item.children.empty() ? nullptr : item.children.front();
  }
  static LWItemID next_child(LWItemID parent, LWItemID previous) {
    const Item &p = current()->items_.at(parent);
    const std::size_t position = current()->items_.at(previous).child_position + 1;
    return position < p.children.size() ? p.children[position] : nullptr;
  }
  static LWItemID parent_of(LWItemID id) { return current()->items_.at(id).parent; }
  static const char *name_of(LWItemID id) {
    const Item &item = current()->items_.at(id);
    return item.name.empty() ? nullptr : item.name.c_str();
  }
  static LWItemType type_of(LWItemID id) { return current()->items_.at(id).type; }
  static unsigned int flags_of(LWItemID) { return LWITEMF_ACTIVE; }
  static const char *file_of(LWItemID id) { return current()->items_.at(id).file.c_str(); }
  static unsigned int layer_of(LWItemID) { return 1; }

  // ---- panels -------------------------------------------------------------
  static LWPanelID create(const char *title, void *user_data) {
    FakeHost *host = current();
    if (host->fail_panels) return nullptr;
    auto panel = std::make_unique<Panel>();
    panel->title = title;
    panel->user_data = user_data;
    host->panels.push_back(std::move(panel));
    return host->panels.back().get();
  }
  static void destroy(LWPanelID) {}
  static int open(LWPanelID id, int) {
    Panel *panel = static_cast<Panel *>(id);
    ++panel->open_calls;
    if (panel->open) return 1;
    panel->open = true;
    if (panel->open_hook) panel->open_hook(id, panel->user_data);
    return 1;
  }
  static void close(LWPanelID id) {
    Panel *panel = static_cast<Panel *>(id);
    ++panel->close_calls;
    if (!panel->open) return;
    panel->open = false;
    if (panel->close_hook) panel->close_hook(id, panel->user_data);
  }
  static void set_panel(LWPanelID id, int tag, void *value) {
    Panel *panel = static_cast<Panel *>(id);
    switch (tag) {
      case PAN_W:
      case PAN_H: panel->ints[tag] = *static_cast<int *>(value); break;
      case PAN_USERDATA: panel->user_data = value; break;
      case PAN_USEROPEN: panel->open_hook = reinterpret_cast<LWPanHookFunc *>(value); break;
      case PAN_USERCLOSE: panel->close_hook = reinterpret_cast<LWPanHookFunc *>(value); break;
      default: break;
    }
  }
  static void get_panel(LWPanelID, int, void *) {}
  static LWControl *add_control(LWPanelID id, const char *type, LWPanControlDesc *desc, const char *label) {
    Panel *panel = static_cast<Panel *>(id);
    auto control = std::make_unique<Control>();
    control->base.get = get_control;
    control->base.set = set_control;
    control->type = type;
    control->label = label ? label : "";
    control->desc = *desc;
    panel->controls.push_back(std::move(control));
    return &panel->controls.back()->base;
  }
  static void get_control(LWControl *base, int tag, LWValue *value) {
    Control *control = reinterpret_cast<Control *>(base);
    if (tag == CTL_LABELWIDTH) value->intv = 8 * static_cast<int>(control->label.size());
    else if (tag == CTL_VALUE && value->type == LWT_STRING) std::snprintf(value->buf, value->bufLen, "%s", control->text.c_str());
    else value->intv = control->ints[tag];
  }
  static void set_control(LWControl *base, int tag, LWValue *value) {
    Control *control = reinterpret_cast<Control *>(base);
    if (tag == CTL_USERDATA) control->user_data = value->ptr;
    else if (tag == CTL_USEREVENT) control->event = reinterpret_cast<LWCtlEventFunc *>(value->ptr);
    else if (tag == CTL_VALUE && value->type == LWT_STRING) control->text = value->buf;
    else control->ints[tag] = value->intv;
  }

  std::unordered_map<LWItemID, Item> items_;
  std::map<LWItemType, std::vector<LWItemID>> kinds_;
  std::vector<std::unique_ptr<std::vector<LWItemID>>> snapshot_items_;
  std::vector<std::unique_ptr<LWInterfaceInfo>> snapshots_;
  LWCommandInterface command_{evaluate};
  LWItemInfo item_info_{first, next, first_child, next_child, parent_of, name_of, type_of, flags_of};
  LWObjectInfo object_info_{file_of, layer_of};
  LWPanelFuncs panel_funcs_{1, create, destroy, open, close, set_panel, get_panel, add_control, nullptr};
};

// Identifiers as commands print them.
inline std::string hex(LWItemID id) {
  char text[32];
  std::snprintf(text, sizeof text, "0x%x", static_cast<unsigned>(reinterpret_cast<uintptr_t>(id)));
  return text;
}

}  // namespace hierarchy_test
