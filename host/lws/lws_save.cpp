// Saving a scene file: the loaded lines with only the changed statements
// rewritten, in the file's own version and line endings, written to a
// temporary file first so that a failed write never costs the old scene.
#include <filesystem>
#include <fstream>
#include <system_error>

#include "host/core/text.h"
#include "host/lws/lws_edits.h"

namespace qbhost {
namespace fs = std::filesystem;

namespace {

SceneFile new_scene_file(const std::string &path) {
  SceneFile file;
  file.path = path;
  file.version = 3;
  file.bytes = "LWSC\n3\n";  // new lines end in "\n", the default
  file.lines = split_lines(file.bytes);
  return file;
}

bool write_replacing(const std::string &path, const std::string &text, std::string &error) {
  std::error_code ec;
  fs::path target = fs::weakly_canonical(path, ec);
  if (ec) target = path;
  fs::path temporary = target;
  temporary += ".qbhost-saving";
  {
    std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
    out.write(text.data(), static_cast<std::streamsize>(text.size()));
    out.close();
    if (!out) {
      fs::remove(temporary, ec);
      error = "cannot write " + path;
      return false;
    }
  }
  fs::rename(temporary, target, ec);
  if (ec) {
    fs::remove(temporary, ec);
    error = "cannot write " + path;
    return false;
  }
  return true;
}

}  // namespace

std::string LwsEdits::join(const SceneFile &file) const {
  std::string out;
  bool line_open = false;  // the last line written has no ending
  auto put_new = [&](const std::string &text) {
    if (line_open) out += file.eol;
    out += text;
    out += file.eol;
    line_open = false;
  };
  for (std::size_t i = 0; i <= file.lines.size(); ++i) {
    for (const std::string &text : before[i]) put_new(text);
    if (i == file.lines.size()) break;
    if (removed[i]) continue;
    if (replaced[i]) out += *replaced[i];
    else out += file.text(i);
    out += file.ending(i);
    line_open = file.lines[i].eol_size == 0;
  }
  return out;
}

const LwsItem *LwsSaver::record_of(ItemId id) const {
  auto found = by_id.find(id);
  return found == by_id.end() ? nullptr : &items[found->second];
}

std::string LwsSaver::label(const Item &item) const {
  return "item \"" + item.name + "\" (" + hex(item.id) + ")";
}

std::string LwsSaver::parent_ref(const Item &item, ItemId parent) {
  const LwsItem *record = record_of(parent);
  const Item *target = scene.item(parent);
  if (file.version <= 2 && target && target->type != ItemType::Object) {
    problems.add(label(item) + ": scene files of version " + std::to_string(file.version) +
                 " parent items to objects only; the parent is not saved");
    return "";
  }
  if (!record || !target || !record->has_ref) {
    problems.add(label(item) + ": its parent has no item number in this file; the parent is not saved");
    return "";
  }
  return record->ref_text;
}

std::string LwsSaver::safe_name(const Item &item) {
  std::string name = item.name;
  if (name.find_first_of("\r\n") == std::string::npos) return name;
  problems.add(label(item) + ": a name cannot hold line breaks; saved with blanks in their place");
  for (char &c : name)
    if (c == '\r' || c == '\n') c = ' ';
  return name;
}

std::string scene_file_text(const std::string &path, const Scene &scene, const SceneFile *source,
                            std::vector<std::string> &problems) {
  SceneFile fresh;
  if (!source) {
    fresh = new_scene_file(path);
    source = &fresh;
  }
  LwsProblems found(&problems);
  LwsSaver saver(*source, scene, found, path);
  number_new_items(saver);
  edit_changed_items(saver);
  declare_new_items(saver);
  found.flush();
  return saver.edits.join(*source);
}

bool save_scene_file(const std::string &path, const Scene &scene, const SceneFile *source,
                     std::vector<std::string> &problems, std::string &error) {
  return write_replacing(path, scene_file_text(path, scene, source, problems), error);
}

bool save_scene_file(const std::string &path, const Scene &scene, const SceneFile *source,
                     std::string &error) {
  std::vector<std::string> problems;
  return save_scene_file(path, scene, source, problems, error);
}

}  // namespace qbhost
