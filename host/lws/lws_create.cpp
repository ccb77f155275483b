// Scene items from the records of a scene file: created in file order, so
// that the host's identifiers (kind and creation order) match the file's own
// numbering, then parented once every item exists, since parents are often
// declared after their children.
#include "host/lws/lws_file.h"

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

ItemId create_item(SceneFile &file, std::size_t index, Scene &scene, LwsObjectFiles &files,
                   LwsUniqueNames &names, LwsProblems &problems) {
  LwsItem &record = file.items[index];
  switch (record.type) {
    case ItemType::Object: return create_object(record, scene, files, names, problems);
    case ItemType::Bone: {
      ItemId object = file.items[record.owner].id;
      ItemId bone = object ? scene.add_bone(object, record.name, options_of(record)) : 0;
      if (!bone) problems.add(record.decl, "too many bones for one object; this one is left out");
      return bone;
    }
    case ItemType::Light: return scene.add_light(record.name, options_of(record));
    case ItemType::Camera: return scene.add_camera(record.name, options_of(record));
  }
  return 0;
}

std::string parent_text(const SceneFile &file, uint32_t key) {
  return file.version <= 2 ? std::to_string(key) : hex_ref(key);
}

constexpr std::size_t kNoParent = static_cast<std::size_t>(-1);

// The record each record names as its parent, or kNoParent.
std::vector<std::size_t> parent_records(const SceneFile &file, LwsProblems &problems) {
  std::unordered_map<uint32_t, std::size_t> by_ref;
  for (std::size_t i = 0; i < file.items.size(); ++i)
    if (file.items[i].has_ref && file.items[i].id) by_ref.emplace(file.items[i].ref, i);
  std::vector<std::size_t> parent(file.items.size(), kNoParent);
  for (std::size_t i = 0; i < file.items.size(); ++i) {
    const LwsItem &record = file.items[i];
    if (record.parent_line == kNoLine || !record.id) continue;
    auto found = by_ref.find(record.parent_key);
    if (found == by_ref.end()) {
      problems.add(record.parent_line,
                   std::string(file.version <= 2 ? "ParentObject" : "ParentItem") +
                       " names no item of this scene: " + parent_text(file, record.parent_key));
      continue;
    }
    parent[i] = found->second;
  }
  return parent;
}

void report_cycle(const SceneFile &file, std::size_t i, LwsProblems &problems) {
  const LwsItem &record = file.items[i];
  problems.add(record.parent_line, std::string(file.version <= 2 ? "ParentObject " : "ParentItem ") +
                                       parent_text(file, record.parent_key) +
                                       " would make the item its own ancestor");
}

// Each loop of parent statements loses the link of its member that comes
// last in the file, as if the links were made in file order.  Linear: every
// record is walked once.
void break_cycles(const SceneFile &file, std::vector<std::size_t> &parent, LwsProblems &problems) {
  std::vector<char> state(parent.size(), 0);  // 0 not seen, 1 on the walk, 2 done
  std::vector<std::size_t> walk;
  for (std::size_t start = 0; start < parent.size(); ++start) {
    walk.clear();
    std::size_t at = start;
    while (at != kNoParent && state[at] == 0) {
      state[at] = 1;
      walk.push_back(at);
      at = parent[at];
    }
    if (at != kNoParent && state[at] == 1) {
      std::size_t last = at;
      for (std::size_t k = walk.size(); k-- > 0 && walk[k] != at;) last = walk[k] > last ? walk[k] : last;
      report_cycle(file, last, problems);
      parent[last] = kNoParent;
    }
    for (std::size_t k : walk) state[k] = 2;
  }
}

// Links are made deepest first, so that every new parent still hangs free
// and the host's own loop test stays short; siblings in file order, so that
// child lists come out in file order.
void parent_items(SceneFile &file, Scene &scene, LwsProblems &problems) {
  std::vector<std::size_t> parent = parent_records(file, problems);
  break_cycles(file, parent, problems);
  const std::size_t n = parent.size();
  std::vector<std::size_t> first_child(n + 1, 0), children(n);
  for (std::size_t i = 0; i < n; ++i)
    if (parent[i] != kNoParent) ++first_child[parent[i] + 1];
  for (std::size_t i = 0; i < n; ++i) first_child[i + 1] += first_child[i];
  std::vector<std::size_t> fill(first_child.begin(), first_child.end() - 1);
  for (std::size_t i = 0; i < n; ++i)
    if (parent[i] != kNoParent) children[fill[parent[i]]++] = i;

  std::vector<std::size_t> order, level_start{0};
  for (std::size_t i = 0; i < n; ++i)
    if (parent[i] == kNoParent) order.push_back(i);
  for (std::size_t from = 0; from < order.size();) {
    std::size_t to = order.size();
    level_start.push_back(to);
    for (std::size_t k = from; k < to; ++k)
      for (std::size_t c = first_child[order[k]]; c < first_child[order[k] + 1]; ++c)
        order.push_back(children[c]);
    from = to;
  }
  for (std::size_t level = level_start.size() - 1; level-- > 1;) {
    for (std::size_t k = level_start[level]; k < level_start[level + 1]; ++k) {
      std::size_t child = order[k];
      if (!scene.set_parent(file.items[child].id, file.items[parent[child]].id))
        report_cycle(file, child, problems);
    }
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
