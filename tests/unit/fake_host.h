// A small in-process host for the library's unit tests: items with a
// hierarchy, a selection, a command log and a lookup log, offered through the
// same C records the real host hands out.  One FakeHost is live at a time.
#pragma once

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <deque>
#include <string>
#include <unordered_map>
#include <vector>

#include "abi/host_api.h"
#include "toolkit/lwtool2/services.h"
#include "toolkit/services.h"

namespace fake {

struct Item {
  LWItemType type = LWI_OBJECT;
  const char *name = nullptr;  // null: the host has no name for it
  std::string name_text;
  LWItemID parent = nullptr;
  std::vector<LWItemID> children;
  std::unordered_map<LWItemID, std::size_t> child_index;
  unsigned flags = LWITEMF_ACTIVE;
  int visibility = 1;
  const char *file = nullptr;
  std::string file_text;
  std::vector<LWItemID> bones;  // objects
  LWItemID owner = nullptr;     // bones: their object
  std::size_t position = 0;     // in its kind's list (bones: in the owner's)
};

class FakeHost;
inline FakeHost *g_host = nullptr;

class FakeHost {
 public:
  FakeHost() {
    g_host = this;
    qb::reset_service_table();
    lwtool2::reset_services();
    command_.evaluate = &FakeHost::evaluate;
    item_info_ = {&FakeHost::first, &FakeHost::next, &FakeHost::first_child, &FakeHost::next_child,
                  &FakeHost::parent_of, &FakeHost::name_of, &FakeHost::type_of, &FakeHost::flags_of};
    object_info_ = {&FakeHost::file_of, &FakeHost::layer_of};
  }
  ~FakeHost() {
    qb::reset_service_table();
    lwtool2::reset_services();
    g_host = nullptr;
  }
  FakeHost(const FakeHost &) = delete;
  FakeHost &operator=(const FakeHost &) = delete;

  // ---- scene -------------------------------------------------------------
  LWItemID add(LWItemType type, const char *name, LWItemID parent = nullptr, LWItemID bone_object = nullptr) {
    uintptr_t base = type == LWI_OBJECT ? 0x10000000u : type == LWI_LIGHT ? 0x20000000u
                     : type == LWI_CAMERA ? 0x30000000u : 0x40000000u;
    auto id = reinterpret_cast<LWItemID>(base + ++count_[type]);
    Item &item = items_[id];
    item.type = type;
    if (name != nullptr) {
      item.name_text = name;
      item.name = item.name_text.c_str();
    }
    std::vector<LWItemID> &kind = type == LWI_BONE ? items_[bone_object].bones : by_type_[type];
    item.owner = bone_object;
    item.position = kind.size();
    kind.push_back(id);
    if (parent != nullptr) set_parent(id, parent);
    return id;
  }
  LWItemID mesh(const char *name, const char *file, LWItemID parent = nullptr) {
    LWItemID id = add(LWI_OBJECT, name, parent);
    items_[id].file_text = file;
    items_[id].file = items_[id].file_text.c_str();
    return id;
  }
  void set_parent(LWItemID child, LWItemID parent) {
    Item &p = items_[parent];
    p.child_index[child] = p.children.size();
    p.children.push_back(child);
    items_[child].parent = parent;
  }
  Item &item(LWItemID id) { return items_[id]; }
  void select(std::vector<LWItemID> ids) { selection_ = std::move(ids); }
  std::vector<LWItemID> selection() const { return selection_; }

  // ---- host behaviour ----------------------------------------------------
  std::vector<std::string> commands;    // every command text received
  std::vector<std::string> lookups;     // every service name looked up
  std::vector<std::string> refused;     // command prefixes answered with 0
  std::vector<std::string> missing;     // service names answered with null
  uint32_t product = 15u << 20;
  uintptr_t locale = 1033;
  LWPanelFuncs panel{};

  static GlobalFunc *global() { return &FakeHost::lookup; }

  // Fills both layers' service records as an activation would.
  void load_services() {
    qb::load_service_table(global());
    lwtool2::fetch_services(global());
  }

 private:
  static void *lookup(const char *name, int) {
    FakeHost &h = *g_host;
    std::string n = name;
    h.lookups.push_back(n);
    for (const std::string &m : h.missing)
      if (m == n) return nullptr;
    if (n == LWPRODUCTINFO_GLOBAL) return reinterpret_cast<void *>(static_cast<uintptr_t>(h.product));
    if (n == LWLOCALEINFO_GLOBAL) return reinterpret_cast<void *>(h.locale);
    if (n == LWCOMMANDINTERFACE_GLOBAL) return &h.command_;
    if (n == LWITEMINFO_GLOBAL) return &h.item_info_;
    if (n == LWOBJECTINFO_GLOBAL) return &h.object_info_;
    if (n == LWPANELFUNCS_GLOBAL) return &h.panel;
    if (n == LWINTERFACEINFO_GLOBAL) {
      // A fresh snapshot every time, kept until the host goes away.
      h.snapshots_.emplace_back(h.selection_);
      h.snapshots_.back().push_back(nullptr);
      h.interface_records_.push_back(LWInterfaceInfo{h.snapshots_.back().data(), &FakeHost::visibility_of, 0});
      return &h.interface_records_.back();
    }
    return &h.placeholder_;
  }

  static int evaluate(const char *text) {
    FakeHost &h = *g_host;
    std::string command = text;
    h.commands.push_back(command);
    for (const std::string &prefix : h.refused)
      if (command.rfind(prefix, 0) == 0) return 0;
    unsigned long id = 0;
    if (std::sscanf(text, "SelectItem 0x%lx", &id) == 1) {
      h.selection_ = {reinterpret_cast<LWItemID>(id)};
    } else if (std::sscanf(text, "AddToSelection 0x%lx", &id) == 1) {
      h.selection_.push_back(reinterpret_cast<LWItemID>(id));
    } else if (std::sscanf(text, "ItemVisibility %lu", &id) == 1) {
      for (LWItemID item : h.selection_) h.items_[item].visibility = static_cast<int>(id);
    } else if (command == "ItemActive") {
      for (LWItemID item : h.selection_) h.items_[item].flags ^= LWITEMF_ACTIVE;
    }
    return 1;
  }

  static LWItemID first(LWItemType type, LWItemID object) {
    FakeHost &h = *g_host;
    if (type == LWI_BONE) {
      if (object == nullptr) return nullptr;
      auto &bones = h.items_[object].bones;
      return bones.empty() ? nullptr : bones.front();
    }
    auto &list = h.by_type_[type];
    return list.empty() ? nullptr : list.front();
  }
  static LWItemID next(LWItemID item) {
    FakeHost &h = *g_host;
    Item &i = h.items_[item];
    const std::vector<LWItemID> &list = i.type == LWI_BONE ? h.items_[i.owner].bones : h.by_type_[i.type];
    return i.position + 1 < list.size() ? list[i.position + 1] : nullptr;
  }
  static LWItemID first_child(LWItemID parent) {
    auto &children = g_host->items_[parent].children;
    return children.empty() ? nullptr : children.front();
  }
  static LWItemID next_child(LWItemID parent, LWItemID previous) {
    Item &p = g_host->items_[parent];
    std::size_t k = p.child_index.at(previous) + 1;
    return k < p.children.size() ? p.children[k] : nullptr;
  }
  static LWItemID parent_of(LWItemID item) { return g_host->items_[item].parent; }
  static const char *name_of(LWItemID item) { return g_host->items_[item].name; }
  static LWItemType type_of(LWItemID item) { return g_host->items_[item].type; }
  static unsigned flags_of(LWItemID item) { return g_host->items_[item].flags; }
  static int visibility_of(LWItemID item) { return g_host->items_[item].visibility; }
  static const char *file_of(LWItemID item) { return g_host->items_[item].file; }
  static unsigned layer_of(LWItemID) { return 1; }

  std::unordered_map<LWItemID, Item> items_;
  std::unordered_map<int, std::vector<LWItemID>> by_type_;
  std::unordered_map<int, uintptr_t> count_;
  std::vector<LWItemID> selection_;
  std::deque<std::vector<LWItemID>> snapshots_;
  std::deque<LWInterfaceInfo> interface_records_;
  LWCommandInterface command_{};
  LWItemInfo item_info_{};
  LWObjectInfo object_info_{};
  int placeholder_ = 0;
};

}  // namespace fake
