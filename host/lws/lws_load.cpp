// Loading a scene file: the text is kept whole, line by line, for saving.
#include <filesystem>
#include <fstream>
#include <sstream>
#include <system_error>

#include "host/lws/lws_file.h"

namespace qbhost {

void SceneFileDeleter::operator()(SceneFile *file) const { delete file; }

int scene_file_version(const SceneFile &file) { return file.version; }

bool read_scene_bytes(const std::string &path, std::string &bytes, std::string &error) {
  std::error_code ec;
  if (std::filesystem::is_directory(path, ec)) {
    error = "cannot read " + path + ": it is a folder";
    return false;
  }
  std::ifstream in(path, std::ios::binary);
  if (!in) {
    error = "cannot read " + path;
    return false;
  }
  std::ostringstream text;
  text << in.rdbuf();
  if (in.bad()) {
    error = "cannot read " + path;
    return false;
  }
  bytes = text.str();
  return true;
}

SceneFilePtr load_scene_text(const std::string &path, const std::string &bytes, Scene &scene,
                             std::vector<std::string> &problems, std::string &error) {
  SceneFilePtr file(new SceneFile);
  file->path = path;
  file->bytes = bytes;
  file->lines = split_lines(file->bytes);
  LwsProblems found(&problems);
  if (!read_header(*file, found, error)) return nullptr;
  read_items(*file, found);
  create_items(*file, scene, found);
  found.flush();
  return file;
}

SceneFilePtr load_scene_file(const std::string &path, Scene &scene, std::vector<std::string> &problems,
                             std::string &error) {
  std::string bytes;
  if (!read_scene_bytes(path, bytes, error)) return nullptr;
  return load_scene_text(path, bytes, scene, problems, error);
}

}  // namespace qbhost
