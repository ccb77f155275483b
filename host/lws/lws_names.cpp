// Item names of objects as the real host gives them: the file's base name,
// the layer's name when the file has several layers, and " (2)", " (3)" for
// repeats in load order.
#include "host/lws/lws_file.h"

namespace qbhost {

const std::string &LwsObjectFiles::resolve(const std::string &path_text) {
  auto found = resolved.find(path_text);
  if (found != resolved.end()) return found->second;
  return resolved.emplace(path_text, resolve_object_path(scene_path, path_text)).first->second;
}

const qb::LwoFile *LwsObjectFiles::layers(const std::string &file) {
  auto found = read.find(file);
  if (found == read.end()) {
    qb::LwoFile lwo;
    if (!qb::read_lwo_file(file, lwo)) lwo.path.clear();
    else lwo.path = file;
    found = read.emplace(file, std::move(lwo)).first;
  }
  return found->second.path.empty() ? nullptr : &found->second;
}

std::string object_item_name(LwsObjectFiles &files, const std::string &path_text, int layer,
                             std::string &file, std::string &problem) {
  std::string base = object_base_name(path_text);
  problem.clear();
  file = files.resolve(path_text);
  if (file.empty()) {
    problem = "object file not found: " + path_text;
    file = path_text;
    return base;
  }
  const qb::LwoFile *lwo = files.layers(file);
  if (!lwo) {
    problem = "not a readable object file: " + path_text;
    return base;
  }
  const qb::LwoLayer *wanted = nullptr;
  for (const qb::LwoLayer &l : lwo->layers)
    if (static_cast<int>(l.number) + 1 == layer) {
      wanted = &l;
      break;
    }
  if (!wanted) {
    if (!lwo->layers.empty()) problem = "no layer " + std::to_string(layer) + " in " + path_text;
    return base;
  }
  if (lwo->layers.size() > 1) return base + ":" + wanted->name;
  return base;
}

bool mesh_name_fits_file(const std::string &name, const std::string &file) {
  std::string base = object_base_name(file);
  if (name.compare(0, base.size(), base) != 0) return false;
  std::string_view rest = std::string_view(name).substr(base.size());
  return rest.empty() || rest.front() == ':' || rest.substr(0, 2) == " (";
}

std::string LwsUniqueNames::take(const std::string &name) {
  if (name.empty()) return name;
  int &count = next[name];
  ++count;
  if (count == 1 && used.insert(name).second) return name;
  int k = count < 2 ? 2 : count;
  std::string candidate = name + " (" + std::to_string(k) + ")";
  while (used.count(candidate)) candidate = name + " (" + std::to_string(++k) + ")";
  count = k;
  used.insert(candidate);
  return candidate;
}

}  // namespace qbhost
