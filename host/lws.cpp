// Placeholder until scene files are supported.
#include "host/lws.h"

namespace qbhost {
class SceneFile {};
void SceneFileDeleter::operator()(SceneFile *file) const { delete file; }
SceneFilePtr load_scene_file(const std::string &, Scene &, std::vector<std::string> &, std::string &error) {
  error = "scene files are not supported yet";
  return nullptr;
}
bool save_scene_file(const std::string &, const Scene &, const SceneFile *, std::string &error) {
  error = "scene files are not supported yet";
  return false;
}
}  // namespace qbhost
