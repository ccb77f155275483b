// What the batch and its workers say to each other, a line of JSON at a time:
// the setup first, then one task per scene; the worker answers each task with
// kResultMark and the scene's report entry on one line.  Any other line a
// worker prints (the host's last words before it ends, say) is not a result.
#pragma once

#include <string>

#include "host/batch/scene_run.h"

namespace qbhost::batch {

inline constexpr const char kResultMark[] = "qbhost-batch-result ";

std::string setup_line(const RunSetup &setup);
bool read_setup(const std::string &line, RunSetup &setup);
std::string task_line(const SceneTask &task);
bool read_task(const std::string &line, SceneTask &task);
// Texts that are not UTF-8 (names, paths) are written with U+FFFD in place
// of the bytes that are not.
std::string json_text(const Json &value, int indent = -1);

}  // namespace qbhost::batch
