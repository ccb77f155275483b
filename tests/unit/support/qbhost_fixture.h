// qbhost in this process, for unit tests of the module's own code: the same
// host, records and scene model the trace tests run against, with the
// module's static library calling it directly.
//
//   qbtest::TestHost host;                   // becomes the current host
//   LWItemID body = host.mesh("Body");
//   host.select({body});
//   host.load_services();                    // both layers look services up
//   qb::toggle_visible::run_toggle_visible({});
//   EXPECT_EQ(host.commands, ...);
//
// One TestHost at a time; the module-wide service records are reset when it
// is made and when it goes.
#pragma once

#include <cstdint>
#include <cstdio>
#include <initializer_list>
#include <sstream>
#include <string>
#include <string_view>
#include <vector>

#include "abi/host_api.h"
#include "host/core/host.h"
#include "host/core/host_state.h"
#include "toolkit/lwtool2/services.h"
#include "toolkit/services.h"

extern "C" ModuleDescriptor _mod_descrip;

namespace qbtest {

inline LWItemID handle(qbhost::ItemId id) { return reinterpret_cast<LWItemID>(static_cast<uintptr_t>(id)); }
inline qbhost::ItemId id_of(LWItemID item) {
  return static_cast<qbhost::ItemId>(reinterpret_cast<uintptr_t>(item));
}

// An identifier as the module writes it in command texts.
inline std::string hex(LWItemID item) {
  char text[24];
  std::snprintf(text, sizeof text, "0x%x", static_cast<unsigned>(reinterpret_cast<uintptr_t>(item)));
  return text;
}

class TestHost {
 public:
  TestHost() {
    qb::reset_service_table();
    lwtool2::reset_services();
    qb::set_host_interface(qb::Generation::Layout2018, 0);
    host_.set_trace(&trace_);
    host_.settings().trace_lookups = true;
    host_.settings().command_observer = [this](std::string_view command, bool) {
      commands.emplace_back(command);
    };
    // A blocking panel: its multi-column lists are read as the host draws
    // them, then the user presses OK.
    host_.set_modal_handler([this](const std::string &title) {
      if (qbhost::Panel *shown = panel(title)) read_lists(*shown);
      std::string error;
      host_.user_ok(error);
    });
  }
  ~TestHost() {
    qb::reset_service_table();
    lwtool2::reset_services();
    qb::set_host_interface(qb::Generation::Layout2018, 0);
  }
  TestHost(const TestHost &) = delete;
  TestHost &operator=(const TestHost &) = delete;

  qbhost::Host &host() { return host_; }
  qbhost::Scene &scene() { return host_.scene(); }
  qbhost::HostSettings &settings() { return host_.settings(); }
  qbhost::HostState &state() { return host_.state(); }
  GlobalFunc *global() const { return host_.global_function(); }

  // The second layer's service set, as its activations fetch it.
  bool fetch() { return lwtool2::fetch_services(global()); }
  // Both layers' service records, as their activations fill them.
  void load_services() {
    qb::load_service_table(global());
    lwtool2::fetch_services(global());
  }
  // The module's own descriptor, attached in this process, for activations
  // through host().activate(SERVER, ARGUMENT).
  void attach_module() {
    std::string error;
    host_.attach_module(&_mod_descrip, error);
  }

  // ---- scene
  LWItemID mesh(const std::string &name, const std::string &file = "", LWItemID parent = nullptr) {
    return handle(scene().add_mesh(name, file.empty() ? "Objects/" + name + ".lwo" : file, options(parent)));
  }
  LWItemID mesh_layer(const std::string &name, const std::string &file, int layer,
                      LWItemID parent = nullptr) {
    qbhost::ItemOptions opt = options(parent);
    opt.layer = layer;
    return handle(scene().add_mesh(name, file, opt));
  }
  LWItemID null_object(const std::string &name, LWItemID parent = nullptr) {
    return handle(scene().add_null(name, options(parent)));
  }
  LWItemID light(const std::string &name, LWItemID parent = nullptr) {
    return handle(scene().add_light(name, options(parent)));
  }
  LWItemID camera(const std::string &name, LWItemID parent = nullptr) {
    return handle(scene().add_camera(name, options(parent)));
  }
  // A bone of `object`, under `parent` (another bone of it) or the object.
  LWItemID bone(LWItemID object, const std::string &name, LWItemID parent = nullptr) {
    return handle(scene().add_bone(id_of(object), name, options(parent)));
  }
  // Any kind by its type code; a null name makes a nameless item, a bone
  // belongs to `bone_object`.
  LWItemID add(LWItemType type, const char *name, LWItemID parent = nullptr, LWItemID bone_object = nullptr) {
    const std::string text = name == nullptr ? "" : name;
    switch (type) {
      case LWI_LIGHT: return light(text, parent);
      case LWI_CAMERA: return camera(text, parent);
      case LWI_BONE: {
        // Without an object named, the bone belongs to its parent's object.
        LWItemID owner = bone_object != nullptr ? bone_object : parent;
        if (owner != nullptr && item(owner).type == qbhost::ItemType::Bone)
          owner = handle(item(owner).object);
        return bone(owner, text, parent == owner ? nullptr : parent);
      }
      default: return null_object(text, parent);
    }
  }
  qbhost::Item &item(LWItemID item) { return *scene().find(id_of(item)); }
  void select(std::initializer_list<LWItemID> items) { select(std::vector<LWItemID>(items)); }
  void select(const std::vector<LWItemID> &items) {
    std::vector<qbhost::ItemId> ids;
    for (LWItemID item : items) ids.push_back(id_of(item));
    scene().set_selection(ids);
  }
  std::vector<LWItemID> selection() {
    std::vector<LWItemID> items;
    for (qbhost::ItemId id : scene().selection()) items.push_back(handle(id));
    return items;
  }

  // ---- what the module did
  std::vector<std::string> commands;  // every command text sent, done or refused
  // Every service name looked up since the last clear_trace, in order.
  std::vector<std::string> lookups() const {
    std::vector<std::string> names;
    std::istringstream lines(trace_.str());
    for (std::string line; std::getline(lines, line);)
      if (line.rfind("lookup ", 0) == 0) names.push_back(line.substr(7));
    return names;
  }
  std::string trace() const { return trace_.str(); }
  // How many trace lines start with `prefix` ("panel open", "panel close"...).
  int trace_lines(const std::string &prefix) const {
    int count = 0;
    std::istringstream lines(trace_.str());
    for (std::string line; std::getline(lines, line);) count += line.rfind(prefix, 0) == 0 ? 1 : 0;
    return count;
  }
  void clear_trace() { trace_.str(""); }
  // Every cell the multi-column lists of blocking panels showed, heading
  // rows first, one list after another.
  std::vector<std::vector<std::string>> cells;
  // The panel of that title the module made last (null when none).
  qbhost::Panel *panel(const std::string &title) {
    for (auto it = state().panels.rbegin(); it != state().panels.rend(); ++it)
      if ((*it)->title == title) return it->get();
    return nullptr;
  }

 private:
  void read_lists(qbhost::Panel &shown) {
    for (const qbhost::Control *list : shown.controls) {
      if (list->desc_type != LWT_MLIST || list->count_fn == nullptr || list->name_fn == nullptr ||
          list->col_width_fn == nullptr)
        continue;
      const int rows = list->count_fn(list->user_data);
      for (int row = -1; row < rows; ++row) {
        auto &line = cells.emplace_back();
        for (int column = 0; list->col_width_fn(list->user_data, column) > 0; ++column) {
          const char *text = list->name_fn(list->user_data, row, column);
          line.push_back(text != nullptr ? text : "(none)");
        }
      }
    }
  }

  static qbhost::ItemOptions options(LWItemID parent) {
    qbhost::ItemOptions opt;
    opt.parent = id_of(parent);
    return opt;
  }

  std::ostringstream trace_;
  qbhost::Host host_;
};

}  // namespace qbtest
