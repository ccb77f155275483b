// The batch's report: one entry per scene (as scene_run.h makes them, with
// "input" first), the summary counted from them, and its three forms: JSON
// for programs, Markdown tables for a review, a plain table on standard error.
#pragma once

#include <string>
#include <vector>

#include "host/batch/scene_run.h"

namespace qbhost::batch {

// The whole report: {"scenes": [...], "summary": {...}}; the scenes in the
// order given.
Json make_report(const std::vector<Json> &scenes);

std::string report_markdown(const Json &report);
// The summary as aligned lines for standard error.
std::string summary_table(const Json &report);
// A scene's line as it finishes: "changed PATH -> OUTPUT: 3 renamed, 1 hidden".
std::string scene_line(const Json &scene);

}  // namespace qbhost::batch
