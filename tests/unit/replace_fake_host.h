// A small in-process host for the object replacer's unit tests: a scene of
// items, a selection, a command function that records what it is sent, and
// panels whose blocking open reads every cell of a result list the way a
// host draws it.  Header only: every replace_*_test.cpp includes it.
#pragma once

#include <cstdint>
#include <cstring>
#include <map>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "abi/host_api.h"
#include "abi/service_names.h"
#include "toolkit/lwtool2/services.h"

namespace replace_test {

struct FakeItem {
  LWItemID id = nullptr;
  LWItemType type = LWI_OBJECT;
  std::string name;  // empty is answered as null
  std::string file;
  unsigned int layer = 1;
  LWItemID parent = nullptr;
  std::vector<LWItemID> children;
};

struct FakeControl {
  LWControl base{};  // handed to the module; priv_data points back here
  std::string type;
  std::string label;
  LWPanControlDesc desc{};
  std::map<int, int> ints;
  std::string text;
  void *user_data = nullptr;
  LWCtlEventFunc *event = nullptr;
  int drawn = DR_RENDER;
};

struct FakePanel {
  std::string title;
  std::vector<std::unique_ptr<FakeControl>> controls;
  std::map<int, int> ints;
  int open_flags = -1;
  int opened = 0;
  int closed = 0;
  bool destroyed = false;
  // Every cell the result list showed while it was open, heading first.
  std::vector<std::vector<std::string>> cells;
};

inline LWItemID object_id(unsigned i) { return reinterpret_cast<LWItemID>(uintptr_t{0x10000000u + i}); }
inline LWItemID light_id(unsigned i) { return reinterpret_cast<LWItemID>(uintptr_t{0x20000000u + i}); }

class FakeHost;
inline FakeHost *&current_host() {
  static FakeHost *host = nullptr;
  return host;
}

class FakeHost {
 public:
  FakeHost() {
    current_host() = this;
    lwtool2::reset_services();
  }
  ~FakeHost() {
    lwtool2::reset_services();
    current_host() = nullptr;
  }
  FakeHost(const FakeHost &) = delete;
  FakeHost &operator=(const FakeHost &) = delete;

  LWItemID add_mesh(const std::string &name, const std::string &file, unsigned int layer = 1,
                    LWItemID parent = nullptr) {
    return add(object_id(objects_++), LWI_OBJECT, name, file, layer, parent);
  }
  LWItemID add_light(const std::string &name) { return add(light_id(lights_++), LWI_LIGHT, name, "", 0, nullptr); }

  FakeItem *find(LWItemID id) {
    for (FakeItem &item : items) {
      if (item.id == id) return &item;
    }
    return nullptr;
  }

  // Fills the lwtool2 service set from this host, as an activation does.
  bool fetch() { return lwtool2::fetch_services(&global); }

  std::vector<FakeItem> items;
  std::vector<LWItemID> selection;
  std::vector<std::string> commands;
  std::vector<std::unique_ptr<FakePanel>> panels;
  unsigned long locale = 1033;
  bool fail_panels = false;
  bool interface_info_gone = false;  // answers null for "LW Interface Info 7" after the fetch

 private:
  LWItemID add(LWItemID id, LWItemType type, const std::string &name, const std::string &file, unsigned layer,
               LWItemID parent) {
    FakeItem item;
    item.id = id;
    item.type = type;
    item.name = name;
    item.file = file;
    item.layer = layer;
    item.parent = parent;
    items.push_back(item);
    if (FakeItem *up = find(parent)) up->children.push_back(id);
    return id;
  }

  static FakeHost &host() { return *current_host(); }

  // ---- services ----
  static void *global(const char *name, int) {
    static int placeholder;
    std::string_view n = name;
    if (n == LWCOMMANDINTERFACE_GLOBAL) return &host().command_;
    if (n == LWINTERFACEINFO_GLOBAL) return host().interface_info_gone ? nullptr : host().snapshot();
    if (n == LWITEMINFO_GLOBAL) return &host().item_info_;
    if (n == LWOBJECTINFO_GLOBAL) return &host().object_info_;
    if (n == LWPANELFUNCS_GLOBAL) return &host().panel_funcs_;
    if (n == LWLOCALEINFO_GLOBAL) return reinterpret_cast<void *>(uintptr_t{host().locale});
    return &placeholder;
  }

  LWInterfaceInfo *snapshot() {
    auto &ids = snapshot_ids_.emplace_back(std::make_unique<std::vector<LWItemID>>(selection));
    ids->push_back(nullptr);
    auto &info = snapshots_.emplace_back(std::make_unique<LWInterfaceInfo>());
    info->selItems = ids->data();
    return info.get();
  }

  static int evaluate(const char *text) {
    FakeHost &h = host();
    std::string command = text;
    h.commands.push_back(command);
    const auto blank = command.find(' ');
    const std::string verb = command.substr(0, blank);
    const std::string arg = blank == std::string::npos ? "" : command.substr(blank + 1);
    if (verb == "SelectItem" || verb == "AddToSelection") {
      LWItemID id = reinterpret_cast<LWItemID>(uintptr_t{std::stoul(arg, nullptr, 16)});
      if (!h.find(id)) return 0;
      if (verb == "SelectItem") h.selection.clear();
      for (LWItemID s : h.selection) {
        if (s == id) return 1;
      }
      h.selection.push_back(id);
    }
    return 1;
  }

  // ---- items ----
  static const char *name(LWItemID id) {
    FakeItem *item = host().find(id);
    return item && !item->name.empty() ? item->name.c_str() : nullptr;
  }
  static LWItemType type(LWItemID id) {
    FakeItem *item = host().find(id);
    return item ? item->type : -1;
  }
  static LWItemID first(LWItemType type, LWItemID) {
    for (FakeItem &item : host().items) {
      if (item.type == type) return item.id;
    }
    return nullptr;
  }
  static LWItemID next(LWItemID id) {
    auto &all = host().items;
    for (std::size_t i = 0; i < all.size(); ++i) {
      if (all[i].id != id) continue;
      for (std::size_t j = i + 1; j < all.size(); ++j) {
        if (all[j].type == all[i].type) return all[j].id;
      }
    }
    return nullptr;
  }
  static LWItemID first_child(LWItemID parent) {
    FakeItem *item = host().find(parent);
    return item && !item->children.empty() ? item->children.front() : nullptr;
  }
  static LWItemID next_child(LWItemID parent, LWItemID prev) {
    FakeItem *item = host().find(parent);
    if (!item) return nullptr;
    for (std::size_t i = 0; i + 1 < item->children.size(); ++i) {
      if (item->children[i] == prev) return item->children[i + 1];
    }
    return nullptr;
  }
  static LWItemID parent_of(LWItemID id) {
    FakeItem *item = host().find(id);
    return item ? item->parent : nullptr;
  }
  static unsigned int flags(LWItemID) { return LWITEMF_ACTIVE; }
  static const char *filename(LWItemID id) {
    FakeItem *item = host().find(id);
    return item ? item->file.c_str() : nullptr;
  }
  static unsigned int layer_num(LWItemID id) {
    FakeItem *item = host().find(id);
    return item ? item->layer : 0;
  }

  // ---- panels ----
  static FakeControl *control_of(LWControl *c) { return static_cast<FakeControl *>(c->priv_data); }
  static void control_draw(LWControl *c, int mode) { control_of(c)->drawn = mode; }
  static void control_get(LWControl *c, int tag, LWValue *value) {
    FakeControl *control = control_of(c);
    if (tag == CTL_LABELWIDTH) {
      value->intv = static_cast<int>(control->label.size()) * 8;
    } else if (tag == CTL_VALUE && value->type == LWT_STRING) {
      std::strncpy(value->buf, control->text.c_str(), static_cast<std::size_t>(value->bufLen));
    } else if (tag == CTL_USERDATA) {
      value->ptr = control->user_data;
    } else {
      value->intv = control->ints[tag];
    }
  }
  static void control_set(LWControl *c, int tag, LWValue *value) {
    FakeControl *control = control_of(c);
    if (tag == CTL_USERDATA) control->user_data = value->ptr;
    else if (tag == CTL_USEREVENT) control->event = reinterpret_cast<LWCtlEventFunc *>(value->ptr);
    else if (tag == CTL_VALUE && value->type == LWT_STRING) control->text = value->buf;
    else control->ints[tag] = value->intv;
  }
  static FakePanel *panel_of(LWPanelID id) { return static_cast<FakePanel *>(id); }
  static LWPanelID create(const char *title, void *) {
    if (host().fail_panels) return nullptr;
    auto &panel = host().panels.emplace_back(std::make_unique<FakePanel>());
    panel->title = title;
    return panel.get();
  }
  static void destroy(LWPanelID id) { panel_of(id)->destroyed = true; }
  static int open(LWPanelID id, int flags) {
    FakePanel *panel = panel_of(id);
    panel->open_flags = flags;
    ++panel->opened;
    if (flags & PANF_BLOCKING) read_lists(*panel);
    return 1;
  }
  static void read_lists(FakePanel &panel) {
    for (auto &control : panel.controls) {
      const LWPanControlDesc &d = control->desc;
      if (d.type != LWT_MLIST) continue;
      const int rows = d.countFn(control->user_data);
      for (int row = -1; row < rows; ++row) {
        auto &line = panel.cells.emplace_back();
        for (int column = 0; d.colWidth(control->user_data, column) > 0; ++column) {
          const char *text = d.nameFn(control->user_data, row, column);
          line.push_back(text ? text : "(none)");
        }
      }
    }
  }
  static void close(LWPanelID id) { ++panel_of(id)->closed; }
  static void panel_set(LWPanelID id, int tag, void *value) {
    if (tag == PAN_W || tag == PAN_H) panel_of(id)->ints[tag] = *static_cast<int *>(value);
  }
  static void panel_get(LWPanelID, int, void *) {}
  static LWControl *add_control(LWPanelID id, const char *type_name, LWPanControlDesc *desc, const char *label) {
    auto &control = panel_of(id)->controls.emplace_back(std::make_unique<FakeControl>());
    control->base.draw = &control_draw;
    control->base.get = &control_get;
    control->base.set = &control_set;
    control->base.priv_data = control.get();
    control->type = type_name;
    control->label = label ? label : "";
    if (desc) control->desc = *desc;
    return &control->base;
  }

  LWCommandInterface command_{&evaluate};
  LWItemInfo item_info_{&first, &next, &first_child, &next_child, &parent_of, &name, &type, &flags};
  LWObjectInfo object_info_{&filename, &layer_num};
  LWPanelFuncs panel_funcs_{2, &create, &destroy, &open, &close, &panel_set, &panel_get, &add_control, nullptr};
  std::vector<std::unique_ptr<std::vector<LWItemID>>> snapshot_ids_;
  std::vector<std::unique_ptr<LWInterfaceInfo>> snapshots_;
  unsigned objects_ = 0, lights_ = 0;
};

}  // namespace replace_test
