// LightWave scene files (.lws): load into the scene model, and save back in
// the file's own version and line endings, touching only changed statements.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "host/scene/scene.h"

namespace qbhost {

// The loaded text, with what is needed to write it back.
class SceneFile;
struct SceneFileDeleter {
  void operator()(SceneFile *file) const;
};
using SceneFilePtr = std::unique_ptr<SceneFile, SceneFileDeleter>;

// Replaces `scene` by the file's items.  Problems that still let the rest
// load go to `problems` as "LINE: message", each once, in line order.  A file
// that cannot be read, or is no scene file, gives null and `error` and leaves
// `scene` as it was.
SceneFilePtr load_scene_file(const std::string &path, Scene &scene, std::vector<std::string> &problems,
                             std::string &error);

// The same over bytes already read; `path` is where the scene lives (object
// files are looked for beside it) and need not exist.
SceneFilePtr load_scene_text(const std::string &path, const std::string &bytes, Scene &scene,
                             std::vector<std::string> &problems, std::string &error);

// The version the file was read as (1-5; a version this host does not know
// is read as the nearest one it does).
int scene_file_version(const SceneFile &file);

// Writes `scene` to `path`: as an edit of `source` when the scene came from a
// file, else as a new file.  False with `error` when it cannot be written.
bool save_scene_file(const std::string &path, const Scene &scene, const SceneFile *source,
                     std::string &error);

// The same, telling in `problems` (each once) the changes that the file's own
// statements cannot hold and that were therefore not written, such as the
// active state of a light or a new name for a mesh object (whose name comes
// from its file).  Such changes do not make the save fail.
bool save_scene_file(const std::string &path, const Scene &scene, const SceneFile *source,
                     std::vector<std::string> &problems, std::string &error);

// The text `save_scene_file` would write.
std::string scene_file_text(const std::string &path, const Scene &scene, const SceneFile *source,
                            std::vector<std::string> &problems);

}  // namespace qbhost
