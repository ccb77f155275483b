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

}  // namespace qbhost::batch
