// LightWave scene files (.lws): load into the scene model, and save back in
// the file's own version and line endings, touching only changed statements.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "host/scene.h"

namespace qbhost {

// The loaded text, with what is needed to write it back.
class SceneFile;
struct SceneFileDeleter {
  void operator()(SceneFile *file) const;
};
using SceneFilePtr = std::unique_ptr<SceneFile, SceneFileDeleter>;

// Replaces `scene` by the file's items.  Problems that still let the rest
// load ("LINE: message", each once) go to `problems`.  A file that cannot be
// read at all gives null and `error`.
SceneFilePtr load_scene_file(const std::string &path, Scene &scene, std::vector<std::string> &problems,
                             std::string &error);

// Writes `scene` to `path`: as an edit of `source` when the scene came from a
// file, else as a new file.  False with `error` when it cannot be written.
bool save_scene_file(const std::string &path, const Scene &scene, const SceneFile *source, std::string &error);

}  // namespace qbhost
