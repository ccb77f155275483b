// The batch's report: one entry per scene (as scene_run.h makes them, with
// "input" first), the summary counted from them, and its three forms: JSON
// for programs, Markdown tables for a review, a plain table on standard error.
// The batch keeps each scene's entry as compact JSON text and its counts, not
// as parsed objects: a thousand scenes of a thousand changes each stay small.
#pragma once

#include <array>
#include <cstddef>
#include <ostream>
#include <string>
#include <vector>

#include "host/batch/scene_run.h"

namespace qbhost::batch {

// What the summary counts: changes by kind (renamed, re-parented,
// shown/hidden, activated/deactivated, layers replaced, added).
inline constexpr std::size_t kTallyCount = 6;

struct SceneCounts {
  std::string status;  // "changed", "unchanged" or "failed"
  std::array<std::size_t, kTallyCount> changes{};
  std::size_t warnings = 0;
};

SceneCounts count_scene(const Json &scene);
// {"scenes": N, "changed": N, "unchanged": N, "failed": N, "items": {...}, "warnings": N}
Json make_summary(const std::vector<SceneCounts> &scenes);

// {"scenes": [...], "summary": {...}}, the scenes in the order given.
void write_json_report(std::ostream &out, const std::vector<std::string> &scenes, const Json &summary);
void write_markdown_report(std::ostream &out, const std::vector<std::string> &scenes, const Json &summary);
// The summary as aligned lines for standard error.
std::string summary_table(const Json &summary);
// A scene's line as it finishes: "changed PATH -> OUTPUT: 3 renamed, 1 warning".
std::string scene_line(const Json &scene, const SceneCounts &counts);

}  // namespace qbhost::batch
