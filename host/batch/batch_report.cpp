#include "host/batch/batch_report.h"

#include "host/batch/worker_protocol.h"

namespace qbhost::batch {

namespace {

// The counts of the summary, by the changes' "what": the member of
// "summary.items", the words of the table.
struct Tally {
  const char *what;
  const char *member;
  const char *label;
};
constexpr std::array<Tally, kTallyCount> kTallies{{
    {"name", "renamed", "items renamed"},
    {"parent", "re-parented", "items re-parented"},
    {"display", "shown/hidden", "items shown/hidden"},
    {"active", "activated/deactivated", "items activated/deactivated"},
    {"layer", "layers replaced", "layers replaced"},
    {"added", "added", "items added"},
}};

// Bones, lights and cameras are shown or hidden too ("visibility").
std::size_t tally_of(const std::string &what) {
  const std::string key = what == "visibility" ? "display" : what;
  for (std::size_t i = 0; i < kTallies.size(); ++i)
    if (key == kTallies[i].what) return i;
  return kTallies.size();
}

std::string text_of(const Json &value) {
  if (value.is_string()) return value.get<std::string>();
  if (value.is_null()) return "none";
  if (value.is_object() && value.contains("file"))
    return value["file"].get<std::string>() + " layer " + std::to_string(value["layer"].get<int>());
  return json_text(value);
}

// A Markdown table cell: no line breaks, pipes escaped.
std::string cell(const std::string &text) {
  std::string out;
  for (char c : text) {
    if (c == '|') out += "\\|";
    else if (c == '\n' || c == '\r') out += ' ';
    else out += c;
  }
  return out;
}

std::string code(const std::string &text) { return text.empty() ? "" : "`" + cell(text) + "`"; }

std::string count(const Json &value) { return std::to_string(value.get<std::size_t>()); }

}  // namespace

SceneCounts count_scene(const Json &scene) {
  SceneCounts counts;
  counts.status = scene["status"].get<std::string>();
  counts.warnings = scene["warnings"].size();
  for (const Json &change : scene["changes"]) {
    const std::size_t tally = tally_of(change["what"].get<std::string>());
    if (tally < kTallies.size()) ++counts.changes[tally];
  }
  return counts;
}

Json make_summary(const std::vector<SceneCounts> &scenes) {
  std::size_t changed = 0, unchanged = 0, failed = 0, warnings = 0;
  std::array<std::size_t, kTallyCount> totals{};
  for (const SceneCounts &scene : scenes) {
    changed += scene.status == "changed";
    unchanged += scene.status == "unchanged";
    failed += scene.status == "failed";
    warnings += scene.warnings;
    for (std::size_t i = 0; i < totals.size(); ++i) totals[i] += scene.changes[i];
  }
  Json items = Json::object();
  for (std::size_t i = 0; i < kTallies.size(); ++i) items[kTallies[i].member] = totals[i];
  return Json{{"scenes", scenes.size()}, {"changed", changed}, {"unchanged", unchanged},
              {"failed", failed},        {"items", items},     {"warnings", warnings}};
}

void write_json_report(std::ostream &out, const std::vector<std::string> &scenes, const Json &summary) {
  out << "{\n  \"scenes\": [";
  for (std::size_t i = 0; i < scenes.size(); ++i) {
    // Each scene indented as a member of the array.
    std::string text = json_text(Json::parse(scenes[i]), 2);
    std::string indented = "    ";
    for (char c : text) {
      indented += c;
      if (c == '\n') indented += "    ";
    }
    out << (i == 0 ? "\n" : ",\n") << indented;
  }
  std::string tail = json_text(summary, 2);
  std::string indented;
  for (char c : tail) {
    indented += c;
    if (c == '\n') indented += "  ";
  }
  out << (scenes.empty() ? "],\n" : "\n  ],\n") << "  \"summary\": " << indented << "\n}\n";
}

std::string scene_line(const Json &scene, const SceneCounts &counts) {
  std::string line = counts.status + " " + scene["input"].get<std::string>();
  if (!scene["output"].is_null()) line += " -> " + scene["output"].get<std::string>();
  if (scene.contains("error")) return line + ": " + scene["error"].get<std::string>();
  std::string said;
  for (std::size_t i = 0; i < kTallies.size(); ++i)
    if (counts.changes[i] > 0)
      said += (said.empty() ? "" : ", ") + std::to_string(counts.changes[i]) + " " + kTallies[i].member;
  if (counts.warnings > 0)
    said += (said.empty() ? "" : ", ") + std::to_string(counts.warnings) +
            (counts.warnings == 1 ? " warning" : " warnings");
  return said.empty() ? line : line + ": " + said;
}

std::string summary_table(const Json &summary) {
  std::vector<std::pair<std::string, std::string>> rows{{"scenes changed", count(summary["changed"])},
                                                        {"scenes unchanged", count(summary["unchanged"])},
                                                        {"scenes failed", count(summary["failed"])}};
  for (const Tally &tally : kTallies) {
    const std::size_t number = summary["items"][tally.member].get<std::size_t>();
    if (number > 0 || std::string(tally.what) != "added")
      rows.emplace_back(tally.label, std::to_string(number));
  }
  rows.emplace_back("warnings", count(summary["warnings"]));
  std::string table = "summary of " + count(summary["scenes"]) + " scenes\n";
  for (const auto &[label, number] : rows)
    table += "  " + label + std::string(label.size() < 30 ? 30 - label.size() : 1, ' ') + number + "\n";
  return table;
}

void write_markdown_report(std::ostream &out, const std::vector<std::string> &scenes, const Json &summary) {
  out << "# Batch report\n\n| scenes | changed | unchanged | failed | warnings "
         "|\n|---:|---:|---:|---:|---:|\n"
      << "| " << count(summary["scenes"]) << " | " << count(summary["changed"]) << " | "
      << count(summary["unchanged"]) << " | " << count(summary["failed"]) << " | "
      << count(summary["warnings"]) << " |\n\n| items | count |\n|---|---:|\n";
  for (const Tally &tally : kTallies)
    out << "| " << tally.member << " | " << count(summary["items"][tally.member]) << " |\n";
  out << "\n## Scenes\n\n| scene | status | output | changes | warnings |\n|---|---|---|---:|---:|\n";
  for (const std::string &text : scenes) {
    const Json scene = Json::parse(text);
    out << "| " << code(scene["input"].get<std::string>()) << " | " << scene["status"].get<std::string>()
        << " | " << (scene["output"].is_null() ? std::string() : code(scene["output"].get<std::string>()))
        << " | " << scene["changes"].size() << " | " << scene["warnings"].size() << " |\n";
  }
  for (const std::string &text : scenes) {
    const Json scene = Json::parse(text);
    if (scene["changes"].empty() && scene["warnings"].empty() && !scene.contains("error")) continue;
    out << "\n### " << cell(scene["input"].get<std::string>()) << "\n\n";
    if (scene.contains("error")) out << "Failed: " << cell(scene["error"].get<std::string>()) << "\n";
    if (!scene["changes"].empty()) {
      out << "| item | name | what | before | after |\n|---|---|---|---|---|\n";
      for (const Json &change : scene["changes"])
        out << "| " << change["item"].get<std::string>() << " | " << code(text_of(change["name"])) << " | "
            << change["what"].get<std::string>() << " | " << code(text_of(change["before"])) << " | "
            << code(text_of(change["after"])) << " |\n";
    }
    if (!scene["warnings"].empty()) out << "\n";
    for (const Json &warning : scene["warnings"])
      out << "- warning: " << cell(warning.get<std::string>()) << "\n";
  }
}

}  // namespace qbhost::batch
