// Scene items from the records of a scene file: created in file order, so
// that the host's identifiers (kind and creation order) match the file's own
// numbering, then parented once every item exists, since parents are often
// declared after their children.
#include "host/lws_file.h"

namespace qbhost {
namespace {

ItemOptions options_of(const LwsItem &record) {
  ItemOptions opt;
  if (record.display >= 0) opt.display = record.display;
  if (record.active == 0) opt.inactive = true;
  if (record.type == ItemType::Object && !record.null_object) opt.layer = record.layer;
  return opt;
}

ItemId create_object(LwsItem &record, Scene &scene, LwsObjectFiles &files, LwsUniqueNames &names,
                     LwsProblems &problems) {
  if (record.null_object) {
    record.name = names.take(record.name);
    return scene.add_null(record.name, options_of(record));
  }
  std::string file, problem, base;
  if (!record.path_text.empty()) {
    base = object_item_name(files, record.path_text, record.layer, file, problem);
    if (!problem.empty()) problems.add(record.decl, problem);
  }
  record.name = names.take(base);
  return scene.add_mesh(record.name, file, options_of(record));
}

ItemId create_item(SceneFile &file, std::size_t index, Scene &scene, LwsObjectFiles &files, LwsUniqueNames &names,
                   LwsProblems &problems) {
  LwsItem &record = file.items[index];
  switch (record.type) {
    case ItemType::Object:
      return create_object(record, scene, files, names, problems);
    case ItemType::Bone: {
      ItemId object = file.items[record.owner].id;
      ItemId bone = object ? scene.add_bone(object, record.name, options_of(record)) : 0;
      if (!bone) problems.add(record.decl, "too many bones for one object; this one is left out");
      return bone;
    }
    case ItemType::Light:
      return scene.add_light(record.name, options_of(record));
    case ItemType::Camera:
      return scene.add_camera(record.name, options_of(record));
  }
  return 0;
}

std::string parent_text(const SceneFile &file, uint32_t key) {
  return file.version <= 2 ? std::to_string(key) : hex_ref(key);
}

void parent_items(SceneFile &file, Scene &scene, LwsProblems &problems) {
  std::unordered_map<uint32_t, std::size_t> by_ref;
  for (std::size_t i = 0; i < file.items.size(); ++i)
    if (file.items[i].has_ref && file.items[i].id) by_ref.emplace(file.items[i].ref, i);
  for (LwsItem &record : file.items) {
    if (record.parent_statement == kNoLine || !record.id) continue;
    auto found = by_ref.find(record.parent_key);
    std::string what = file.version <= 2 ? "ParentObject" : "ParentItem";
    if (found == by_ref.end()) {
      problems.add(record.parent_statement, what + " names no item of this scene: " + parent_text(file, record.parent_key));
      continue;
    }
    if (!scene.set_parent(record.id, file.items[found->second].id))
      problems.add(record.parent_statement,
                   what + " " + parent_text(file, record.parent_key) + " would make the item its own ancestor");
  }
}

}  // namespace

void create_items(SceneFile &file, Scene &scene, LwsProblems &problems) {
  scene.clear();
  scene.reserve(file.items.size());
  LwsObjectFiles files;
  files.scene_path = file.path;
  LwsUniqueNames names;
  for (std::size_t i = 0; i < file.items.size(); ++i) {
    ItemId id = create_item(file, i, scene, files, names, problems);
    file.items[i].id = id;
    if (id) file.by_id[id] = i;
  }
  parent_items(file, scene, problems);
  for (LwsItem &record : file.items) {
    const Item *item = scene.item(record.id);
    if (!item) continue;
    record.loaded.name = item->name;
    record.loaded.file = item->file;
    record.loaded.parent = item->parent;
    record.loaded.display = item->display;
    record.loaded.layer = item->layer;
    record.loaded.active = item->active;
  }
}

}  // namespace qbhost
