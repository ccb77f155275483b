// What the batch and its workers say to each other, a line at a time: the
// setup first, then one task per scene, as JSON; the worker answers each task
// with a result line.  Any other line a
// worker prints (the host's last words before it ends, say) is not a result.
#pragma once

#include <string>

#include "host/batch/batch_report.h"
#include "host/batch/scene_run.h"

namespace qbhost::batch {

inline constexpr const char kResultMark[] = "qbhost-batch-result ";

// A scene's result as the batch keeps it: its counts and line for standard
// error, and its report entry as compact JSON text.  The worker counts, so
// that the batch reads a few numbers rather than a thousand changes.
struct SceneResult {
  SceneCounts counts;
  std::string line;
  std::string entry;
};

SceneResult result_of(const Json &entry);
// kResultMark, the counts and line as JSON, a tab (never inside JSON text),
// the entry.
std::string result_line(const SceneResult &result);
// The same read back, from after kResultMark; false when it is not one.
bool read_result(const std::string &text, SceneResult &result);

std::string setup_line(const RunSetup &setup);
bool read_setup(const std::string &line, RunSetup &setup);
std::string task_line(const SceneTask &task);
bool read_task(const std::string &line, SceneTask &task);
// Texts that are not UTF-8 (names, paths) are written with U+FFFD in place
// of the bytes that are not.
std::string json_text(const Json &value, int indent = -1);

}  // namespace qbhost::batch
