#include "host/batch/scene_run.h"

#include <filesystem>
#include <memory>
#include <system_error>
#include <vector>

#include "host/batch/scene_changes.h"
#include "host/core/host.h"
#include "host/core/host_state.h"
#include "host/core/platform.h"
#include "host/core/text.h"
#include "host/lws/lws.h"

namespace qbhost::batch {
namespace fs = std::filesystem;

namespace {

// A library the system kept loaded after the previous scene's unload would
// bring that scene's module-wide state along; once that is seen, every
// later scene loads a fresh copy.
bool library_lingers = false;

// Names are the host's bytes: Shift-JIS under a Japanese locale.  Other bytes
// go as they are; the report's writer replaces what is not UTF-8.
std::string report_text(const std::string &bytes, bool japanese) {
  std::string text;
  if (japanese && shift_jis_to_utf8(bytes, text)) return text;
  return japanese ? printable(bytes, TextCode::ShiftJis) : bytes;
}

Json id_value(ItemId id) { return id == 0 ? Json(nullptr) : Json(hex(id)); }

Json value_of(const Change &change, const ItemState &state, bool japanese) {
  switch (change.kind) {
    case ChangeKind::Name:
    case ChangeKind::Added: return report_text(state.name, japanese);
    case ChangeKind::Parent: return id_value(state.parent);
    case ChangeKind::Display:
    case ChangeKind::Visibility: return state.display;
    case ChangeKind::Active: return state.active;
    case ChangeKind::Layer: return Json{{"file", report_text(state.file, japanese)}, {"layer", state.layer}};
  }
  return nullptr;
}

Json change_entry(const Change &change, bool japanese) {
  const bool added = change.kind == ChangeKind::Added;
  return Json{{"item", hex(change.before.id)},
              {"name", added ? Json(nullptr) : Json(report_text(change.before.name, japanese))},
              {"what", change_word(change.kind)},
              {"before", added ? Json(nullptr) : value_of(change, change.before, japanese)},
              {"after", value_of(change, change.after, japanese)}};
}

}  // namespace

Json failed_entry(const std::string &input, const std::string &error, Json warnings) {
  return Json{{"input", input}, {"output", nullptr},    {"status", "failed"},
              {"error", error}, {"warnings", warnings}, {"changes", Json::array()}};
}

namespace {

Json failed(const Json &entry, const std::string &error) {
  return failed_entry(entry["input"].get<std::string>(), error, entry["warnings"]);
}

bool keep_backup(const SceneTask &task, std::string &error) {
  // Removed first rather than overwritten: MinGW's copy_file refuses to
  // overwrite an existing file.
  std::error_code ec;
  fs::remove(task.backup, ec);
  fs::copy_file(task.input, task.backup, ec);
  if (ec) error = "cannot keep " + task.backup + ": " + ec.message();
  return !ec;
}

}  // namespace

Json run_scene(const RunSetup &setup, const SceneTask &task) {
  Json entry{{"input", task.input},
             {"output", nullptr},
             {"status", "failed"},
             {"warnings", Json::array()},
             {"changes", Json::array()}};
  Host host;
  host.set_trace(nullptr);
  std::vector<std::string> problems;
  std::string error;
  SceneFilePtr loaded = load_scene_file(task.input, host.scene(), problems, error);
  if (loaded == nullptr) return failed(entry, "cannot load " + task.input + ": " + error);
  for (const std::string &problem : problems) entry["warnings"].push_back(task.input + ":" + problem);
  HostState &state = host.state();
  state.scene_file = std::shared_ptr<SceneFile>(loaded.release(), SceneFileDeleter());

  state.module.fresh_copy_next = library_lingers;
  if (!host.load_module(setup.plugin, error)) return failed(entry, error);
  const std::vector<ItemState> before = batch::scene_state(host.scene());
  const RunStatus status = host.run_script(setup.script, setup.script_name, error);
  const bool japanese = qbhost::japanese(state);
  host.unload_module();
  library_lingers = library_lingers || state.module.fresh_copy_next;
  if (status != RunStatus::Ok) return failed(entry, error);

  const std::vector<Change> changes = compare_states(before, batch::scene_state(host.scene()));
  for (const Change &change : changes) entry["changes"].push_back(change_entry(change, japanese));
  const bool changed = !changes.empty();
  entry["status"] = changed ? "changed" : "unchanged";

  // A dry run still works out the text, for the warnings a save would give.
  const bool write = !task.output.empty() && (changed || task.write_unchanged);
  const std::string &named = task.output.empty() ? task.input : task.output;
  problems.clear();
  if (!write) {
    scene_file_text(named, host.scene(), state.scene_file.get(), problems);
  } else {
    std::error_code ec;
    const fs::path folder = fs::path(task.output).parent_path();
    if (!folder.empty()) fs::create_directories(folder, ec);
    if (!task.backup.empty() && !keep_backup(task, error)) return failed(entry, error);
    if (!save_scene_file(task.output, host.scene(), state.scene_file.get(), problems, error))
      return failed(entry, error);
    entry["output"] = task.output;
  }
  for (const std::string &problem : problems) entry["warnings"].push_back(named + ": " + problem);
  return entry;
}

}  // namespace qbhost::batch
