// Scene file loading over arbitrary bytes: never crashes or reads out of
// bounds (the sanitizers' part), tells every problem with a line of the file,
// gives the bytes back unchanged when saved without a change, and keeps new
// names of the items whose names the file holds through a save and reload.
#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

#include "fuzz/fuzz_check.h"
#include "host/lws/lws.h"

namespace {

using qb_fuzz::check;
using qbhost::ItemId;
using qbhost::ItemType;

// Objects are looked for beside a scene that is nowhere, so loading never
// depends on what happens to be on disk.
const char *const kScenePath = "/nonexistent-qb-fuzz/Scenes/fuzz.lws";

std::size_t count_lines(const std::string &bytes) {
  std::size_t lines = 0;
  for (std::size_t i = 0; i < bytes.size(); ++i) {
    if (bytes[i] == '\n' || (bytes[i] == '\r' && (i + 1 == bytes.size() || bytes[i + 1] != '\n'))) ++lines;
  }
  return lines + 1;
}

void check_problem_lines(const std::vector<std::string> &problems, std::size_t lines) {
  for (const std::string &problem : problems) {
    std::size_t colon = problem.find(": ");
    check(colon != std::string::npos && colon > 0, "a problem without its line");
    unsigned long line = std::stoul(problem.substr(0, colon));
    check(line >= 1 && line <= lines + 1, "a problem on a line the file does not have");
  }
}

// Items whose name lives in a statement of its own or on the declaration:
// nulls, bones, lights, and cameras outside version 1.
bool name_is_saved(const qbhost::Item &item, bool version1) {
  if (item.type == ItemType::Object) return item.file.empty();
  return !(version1 && item.type == ItemType::Camera);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, std::size_t size) {
  const std::string bytes(reinterpret_cast<const char *>(data), size);
  qbhost::Scene scene;
  std::vector<std::string> problems;
  std::string error;
  qbhost::SceneFilePtr file = qbhost::load_scene_text(kScenePath, bytes, scene, problems, error);
  if (!file) {
    check(!error.empty(), "a failed load without an error");
    check(scene.size() == 0, "a failed load changed the scene");
    return 0;
  }
  check_problem_lines(problems, count_lines(bytes));

  std::vector<std::string> save_problems;
  check(qbhost::scene_file_text(kScenePath, scene, file.get(), save_problems) == bytes,
        "an unchanged scene saved differently");
  check(save_problems.empty(), "an unchanged scene gave save problems");

  const bool version1 = qbhost::scene_file_version(*file) == 1;
  std::vector<ItemId> renamed;
  for (ItemId id : scene.scene_order()) {
    if (!name_is_saved(*scene.item(id), version1)) continue;
    scene.rename(id, "Renamed #" + std::to_string(renamed.size()));
    renamed.push_back(id);
  }
  save_problems.clear();
  std::string saved = qbhost::scene_file_text(kScenePath, scene, file.get(), save_problems);
  qbhost::Scene again;
  std::vector<std::string> again_problems;
  qbhost::SceneFilePtr reloaded = qbhost::load_scene_text(kScenePath, saved, again, again_problems, error);
  check(reloaded != nullptr, "a saved scene does not load");
  check(again.size() == scene.size(), "a saved scene has other items");
  for (std::size_t i = 0; i < renamed.size(); ++i) {
    const qbhost::Item *item = again.item(renamed[i]);
    if (item && item->name == "Renamed #" + std::to_string(i)) continue;
    // Not kept only where saving said so (an object named by a missing file).
    char id[24];
    std::snprintf(id, sizeof id, "(0x%x)", renamed[i]);
    bool told = false;
    for (const std::string &problem : save_problems) told = told || problem.find(id) != std::string::npos;
    check(told, "a new name did not survive save and reload, and saving did not say so");
  }
  return 0;
}
