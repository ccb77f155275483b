#include "host/batch/batch_report.h"

#include <array>
#include <cstddef>

namespace qbhost::batch {

namespace {

// The counts of the summary, by the changes' "what": the member of
// "summary.items", the words of the table.
struct Tally {
  const char *what;
  const char *member;
  const char *label;
};
constexpr std::array<Tally, 6> kTallies{{
    {"name", "renamed", "items renamed"},
    {"parent", "re-parented", "items re-parented"},
    {"display", "shown/hidden", "items shown/hidden"},
    {"active", "activated/deactivated", "items activated/deactivated"},
    {"layer", "layers replaced", "layers replaced"},
    {"added", "added", "items added"},
}};

// Bones, lights and cameras are shown or hidden too ("visibility").
const Tally *tally_of(const std::string &what) {
  const std::string key = what == "visibility" ? "display" : what;
  for (const Tally &tally : kTallies)
    if (key == tally.what) return &tally;
  return nullptr;
}

std::string text_of(const Json &value) {
  if (value.is_string()) return value.get<std::string>();
  if (value.is_null()) return "none";
  if (value.is_object() && value.contains("file"))
    return value["file"].get<std::string>() + " layer " + std::to_string(value["layer"].get<int>());
  return value.dump();
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

}  // namespace

Json make_report(const std::vector<Json> &scenes) {
  Json summary{{"scenes", scenes.size()}, {"changed", 0}, {"unchanged", 0}, {"failed", 0}};
  Json items = Json::object();
  for (const Tally &tally : kTallies) items[tally.member] = 0;
  std::size_t warnings = 0;
  for (const Json &scene : scenes) {
    const std::string status = scene["status"].get<std::string>();
    summary[status] = summary[status].get<int>() + 1;
    warnings += scene["warnings"].size();
    for (const Json &change : scene["changes"])
      if (const Tally *tally = tally_of(change["what"].get<std::string>()))
        items[tally->member] = items[tally->member].get<int>() + 1;
  }
  summary["items"] = items;
  summary["warnings"] = warnings;
  return Json{{"scenes", scenes}, {"summary", summary}};
}

std::string scene_line(const Json &scene) {
  std::string line = scene["status"].get<std::string>() + " " + scene["input"].get<std::string>();
  if (!scene["output"].is_null()) line += " -> " + scene["output"].get<std::string>();
  if (scene.contains("error")) return line + ": " + scene["error"].get<std::string>();
  std::array<int, kTallies.size()> counts{};
  for (const Json &change : scene["changes"])
    if (const Tally *tally = tally_of(change["what"].get<std::string>())) ++counts[tally - kTallies.data()];
  std::string said;
  for (std::size_t i = 0; i < kTallies.size(); ++i)
    if (counts[i] > 0) said += (said.empty() ? "" : ", ") + std::to_string(counts[i]) + " " + kTallies[i].member;
  const std::size_t warnings = scene["warnings"].size();
  if (warnings > 0) said += (said.empty() ? "" : ", ") + std::to_string(warnings) + (warnings == 1 ? " warning" : " warnings");
  return said.empty() ? line : line + ": " + said;
}

std::string summary_table(const Json &report) {
  const Json &summary = report["summary"];
  std::vector<std::pair<std::string, std::size_t>> rows{
      {"scenes changed", summary["changed"].get<std::size_t>()},
      {"scenes unchanged", summary["unchanged"].get<std::size_t>()},
      {"scenes failed", summary["failed"].get<std::size_t>()}};
  for (const Tally &tally : kTallies) {
    const std::size_t count = summary["items"][tally.member].get<std::size_t>();
    if (count > 0 || std::string(tally.what) != "added") rows.emplace_back(tally.label, count);
  }
  rows.emplace_back("warnings", summary["warnings"].get<std::size_t>());
  std::string table;
  for (const auto &[label, count] : rows) {
    const std::string number = std::to_string(count);
    table += "  " + label + std::string(label.size() < 30 ? 30 - label.size() : 1, ' ') + number + "\n";
  }
  return table;
}

std::string report_markdown(const Json &report) {
  const Json &summary = report["summary"];
  std::string md = "# Batch report\n\n| scenes | changed | unchanged | failed | warnings |\n|---:|---:|---:|---:|---:|\n";
  md += "| " + std::to_string(summary["scenes"].get<std::size_t>()) + " | " +
        std::to_string(summary["changed"].get<std::size_t>()) + " | " +
        std::to_string(summary["unchanged"].get<std::size_t>()) + " | " +
        std::to_string(summary["failed"].get<std::size_t>()) + " | " +
        std::to_string(summary["warnings"].get<std::size_t>()) + " |\n\n";
  md += "| items | count |\n|---|---:|\n";
  for (const Tally &tally : kTallies)
    md += std::string("| ") + tally.member + " | " + std::to_string(summary["items"][tally.member].get<std::size_t>()) + " |\n";
  md += "\n## Scenes\n\n| scene | status | output | changes | warnings |\n|---|---|---|---:|---:|\n";
  for (const Json &scene : report["scenes"])
    md += "| " + code(scene["input"].get<std::string>()) + " | " + scene["status"].get<std::string>() + " | " +
          (scene["output"].is_null() ? std::string() : code(scene["output"].get<std::string>())) + " | " +
          std::to_string(scene["changes"].size()) + " | " + std::to_string(scene["warnings"].size()) + " |\n";
  for (const Json &scene : report["scenes"]) {
    if (scene["changes"].empty() && scene["warnings"].empty() && !scene.contains("error")) continue;
    md += "\n### " + cell(scene["input"].get<std::string>()) + "\n\n";
    if (scene.contains("error")) md += "Failed: " + cell(scene["error"].get<std::string>()) + "\n\n";
    if (!scene["changes"].empty()) {
      md += "| item | name | what | before | after |\n|---|---|---|---|---|\n";
      for (const Json &change : scene["changes"])
        md += "| " + change["item"].get<std::string>() + " | " + code(text_of(change["name"])) + " | " +
              change["what"].get<std::string>() + " | " + code(text_of(change["before"])) + " | " +
              code(text_of(change["after"])) + " |\n";
      md += "\n";
    }
    for (const Json &warning : scene["warnings"]) md += "- warning: " + cell(warning.get<std::string>()) + "\n";
  }
  return md;
}

}  // namespace qbhost::batch
