// One scene of a batch, run in the calling process: load, the script, the
// comparison of the scene model before and after, and the save.
#pragma once

#include <nlohmann/json.hpp>
#include <string>

namespace qbhost::batch {

// Objects keep their members in the order they are set, as the report shows them.
using Json = nlohmann::ordered_json;

// What every scene of a run shares.
struct RunSetup {
  std::string plugin;       // the module file
  std::string script;       // the script's text
  std::string script_name;  // for "NAME:LINE: message"
};

// One scene: where it is read from and written to.
struct SceneTask {
  std::string input;
  std::string output;           // empty: nothing is written (a dry run)
  std::string backup;           // non-empty: the input is copied here before the output is written
  bool write_unchanged = true;  // false: a scene no tool changed is not written
};

// Runs the script on the scene with a freshly loaded module and writes the
// result.  Answers the scene's entry of the report: "input", "output",
// "status", "error" (failed only), "warnings", "changes".  A module that
// crashes or calls a trap ends this process instead.
Json run_scene(const RunSetup &setup, const SceneTask &task);

// The entry of a scene that failed with `error`.
Json failed_entry(const std::string &input, const std::string &error, Json warnings = Json::array());

}  // namespace qbhost::batch
