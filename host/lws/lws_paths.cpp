// Object paths in scene files.  Scenes are written on Windows as often as
// not: backslashes, drive letters and paths relative to a content folder that
// is not this machine's.  An object is looked for the way an artist would:
// relative to the scene's folder, then to the content folder above it, and
// then by ever shorter tails of the path.  Paths are read by characters of
// the system's code page (path_char_length), so that the 0x5C of a Shift-JIS
// 表 is part of a name, never a separator.
#include <filesystem>
#include <system_error>

#include "host/core/platform.h"
#include "host/core/text.h"
#include "host/lws/lws_file.h"

namespace qbhost {
namespace fs = std::filesystem;

namespace {

std::vector<std::string> path_components(const std::string &text) {
  std::vector<std::string> parts;
  std::string part;
  for (std::size_t i = 0, n = 0; i < text.size(); i += n) {
    n = path_char_length(text, i);
    if (n == 1 && kPathSeparators.find(text[i]) != std::string_view::npos) {
      if (!part.empty() && part != ".") parts.push_back(part);
      part.clear();
    } else {
      part.append(text, i, n);
    }
  }
  if (!part.empty() && part != ".") parts.push_back(part);
  // A drive letter or an Amiga volume names a disk of another machine.
  if (!parts.empty() && parts.front().find(':') != std::string::npos) parts.erase(parts.begin());
  return parts;
}

bool opens(const fs::path &path) {
  std::error_code ec;
  return fs::is_regular_file(path, ec);
}

// The shortest form that still opens, and always with a separator, so that
// the name reads as a path (a bare "cube.lwo" would not).
std::string presentable(const fs::path &found) {
  fs::path normal = found.lexically_normal();
  std::string text = system_text(opens(normal) ? normal : found);
  if (text.find('/') == std::string::npos) text = "./" + text;
  return text;
}

std::vector<fs::path> search_folders(const std::string &scene_path) {
  fs::path scene_dir = system_path(scene_path).parent_path();
  if (scene_dir.empty()) scene_dir = ".";
  fs::path content_dir = scene_dir / "..";
  std::vector<fs::path> folders{scene_dir};
  std::error_code ec;
  if (!fs::equivalent(scene_dir, content_dir, ec)) folders.push_back(content_dir);
  return folders;
}

}  // namespace

std::string resolve_object_path(const std::string &scene_path, const std::string &path_text) {
  if (path_text.empty()) return "";
  bool posix_absolute = path_text.front() == '/';
  if (posix_absolute && opens(system_path(path_text))) return presentable(system_path(path_text));
  std::vector<std::string> parts = path_components(path_text);
  if (parts.empty()) return "";
  // The oldest scenes may leave the extension out.
  std::vector<std::string> last_forms{parts.back()};
  if (parts.back().find('.') == std::string::npos) last_forms.push_back(parts.back() + ".lwo");
  std::vector<fs::path> folders = search_folders(scene_path);
  for (std::size_t drop = 0; drop < parts.size(); ++drop) {
    fs::path head;
    for (std::size_t i = drop; i + 1 < parts.size(); ++i) head /= system_path(parts[i]);
    for (const std::string &last : last_forms)
      for (const fs::path &folder : folders) {
        fs::path candidate = folder / head / system_path(last);
        if (opens(candidate)) return presentable(candidate);
      }
  }
  return "";
}

std::string object_base_name(const std::string &path_text) {
  std::size_t start = find_last_path_char_of(path_text, "/\\:");
  std::string base = start == std::string::npos ? path_text : path_text.substr(start + 1);
  std::size_t dot = base.rfind('.');
  if (dot != std::string::npos && dot > 0) base.erase(dot);
  return base;
}

// Relative to the scene's folder when the file lies below it; else relative
// to the content folder when it lies below that and the same words do not
// open another file from the scene's folder (where loading looks first);
// else with ../ from the scene's folder, or absolute across disks.
std::string scene_path_text(const std::string &scene_path, const std::string &file,
                            const std::string &style_example) {
  std::error_code ec;
  fs::path scene_dir = system_path(scene_path).parent_path();
  if (scene_dir.empty()) scene_dir = ".";
  fs::path abs_dir = fs::absolute(scene_dir, ec).lexically_normal();
  if (abs_dir.has_relative_path() && abs_dir.filename().empty()) abs_dir = abs_dir.parent_path();
  fs::path abs_file = fs::absolute(system_path(file), ec).lexically_normal();
  std::string text = file;
  if (!ec) {
    fs::path from_scene = abs_file.lexically_relative(abs_dir);
    fs::path from_content = abs_file.lexically_relative(abs_dir.parent_path());
    auto climbs = [](const fs::path &rel) { return rel.empty() || *rel.begin() == ".."; };
    if (!climbs(from_scene)) text = system_text(from_scene);
    else if (!climbs(from_content) && !opens(abs_dir / from_content)) text = system_text(from_content);
    else text = system_text(from_scene.empty() ? abs_file : from_scene);
  }
  const bool backslashes = find_last_path_char_of(style_example, "\\") != std::string::npos;
  if (backslashes && (text.empty() || text.front() != '/'))
    for (char &c : text)
      if (c == '/') c = '\\';
  return text;
}

}  // namespace qbhost
