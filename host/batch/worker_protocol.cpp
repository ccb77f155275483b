#include "host/batch/worker_protocol.h"

namespace qbhost::batch {

namespace {

Json parse(const std::string &line) { return Json::parse(line, nullptr, false); }

bool read_string(const Json &object, const char *member, std::string &value) {
  if (!object.is_object() || !object.contains(member) || !object[member].is_string()) return false;
  value = object[member].get<std::string>();
  return true;
}

}  // namespace

std::string json_text(const Json &value, int indent) {
  return value.dump(indent, ' ', false, Json::error_handler_t::replace);
}

std::string setup_line(const RunSetup &setup) {
  return json_text(
      Json{{"plugin", setup.plugin}, {"script", setup.script}, {"script_name", setup.script_name}});
}

bool read_setup(const std::string &line, RunSetup &setup) {
  const Json object = parse(line);
  return read_string(object, "plugin", setup.plugin) && read_string(object, "script", setup.script) &&
         read_string(object, "script_name", setup.script_name);
}

std::string task_line(const SceneTask &task) {
  return json_text(Json{{"input", task.input},
                        {"output", task.output},
                        {"backup", task.backup},
                        {"write_unchanged", task.write_unchanged}});
}

bool read_task(const std::string &line, SceneTask &task) {
  const Json object = parse(line);
  if (!read_string(object, "input", task.input) || !read_string(object, "output", task.output) ||
      !read_string(object, "backup", task.backup) || !object.contains("write_unchanged") ||
      !object["write_unchanged"].is_boolean())
    return false;
  task.write_unchanged = object["write_unchanged"].get<bool>();
  return true;
}

SceneResult result_of(const Json &entry) {
  SceneResult result;
  result.counts = count_scene(entry);
  result.line = scene_line(entry, result.counts);
  result.entry = json_text(entry);
  return result;
}

std::string result_line(const SceneResult &result) {
  const Json head{{"status", result.counts.status},
                  {"changes", result.counts.changes},
                  {"warnings", result.counts.warnings},
                  {"line", result.line}};
  return kResultMark + json_text(head) + "\t" + result.entry;
}

bool read_result(const std::string &text, SceneResult &result) {
  const std::size_t tab = text.find('\t');
  if (tab == std::string::npos) return false;
  const Json head = Json::parse(text.substr(0, tab), nullptr, false);
  if (!head.is_object() || !read_string(head, "status", result.counts.status) ||
      !read_string(head, "line", result.line) || !head.contains("changes") || !head["changes"].is_array() ||
      head["changes"].size() != result.counts.changes.size() || !head.contains("warnings") ||
      !head["warnings"].is_number_unsigned())
    return false;
  for (std::size_t i = 0; i < result.counts.changes.size(); ++i) {
    if (!head["changes"][i].is_number_unsigned()) return false;
    result.counts.changes[i] = head["changes"][i].get<std::size_t>();
  }
  result.counts.warnings = head["warnings"].get<std::size_t>();
  result.entry = text.substr(tab + 1);
  return true;
}

}  // namespace qbhost::batch
