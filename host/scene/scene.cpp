// The scene model: items by kind and creation order, hierarchy, selection.
#include "host/scene/scene.h"

#include <cstring>
#include <utility>

namespace qbhost {
namespace {

constexpr uint64_t kLightKeyClass = 1ull << 60;
constexpr uint64_t kCameraKeyClass = 2ull << 60;

// Position of `id` within [base, base + count), or -1.
int64_t index_in(ItemId id, ItemId base, std::size_t count) {
  if (id < base) return -1;
  uint64_t i = id - base;
  return i < count ? static_cast<int64_t>(i) : -1;
}

}  // namespace

// ---- creation ---------------------------------------------------------------

ItemId Scene::add_item(Item item, const ItemOptions &opt) {
  if (opt.display >= 0) item.display = opt.display;
  if (opt.hidden) item.display = 0;
  if (opt.inactive) item.active = false;
  const ItemId id = item.id;
  const auto slot = static_cast<uint32_t>(items_.size());
  switch (item.type) {
    case ItemType::Object: object_slots_.push_back(slot), objects_.push_back(id); break;
    case ItemType::Light: light_slots_.push_back(slot), lights_.push_back(id); break;
    case ItemType::Camera: camera_slots_.push_back(slot), cameras_.push_back(id); break;
    case ItemType::Bone: {
      const uint32_t owner = id & kBoneObjectMask;
      if (bone_slots_.size() <= owner) bone_slots_.resize(owner + 1);
      std::vector<uint32_t> &bones = bone_slots_[owner];
      const uint32_t j = (id - kBoneBase) >> 16;
      if (bones.size() <= j) bones.resize(j + 1, kNoSlot);
      bones[j] = slot;
      break;
    }
  }
  // Bones' flags go by items_ position, the others' by creation index.
  std::vector<uint8_t> &flags = selected_[static_cast<int>(item.type)];
  flags.resize(item.type == ItemType::Bone ? slot + 1 : flags.size() + 1, 0);
  items_.push_back(std::move(item));
  name_at_.push_back(nullptr);
  links_.emplace_back();
  write_name_text(slot);
  if (!names_stale_) index_name(items_.back());
  return id;
}

ItemId Scene::add_mesh(const std::string &name, const std::string &file, const ItemOptions &opt) {
  Item item;
  item.id = kObjectBase + static_cast<ItemId>(objects_.size());
  item.kind_index = static_cast<uint32_t>(objects_.size());
  item.name = name;
  item.file = file;
  item.layer = opt.layer >= 0 ? opt.layer : 1;
  ItemId id = add_item(std::move(item), opt);
  if (opt.parent != 0) set_parent(id, opt.parent);
  return id;
}

ItemId Scene::add_null(const std::string &name, const ItemOptions &opt) {
  Item item;
  item.id = kObjectBase + static_cast<ItemId>(objects_.size());
  item.kind_index = static_cast<uint32_t>(objects_.size());
  item.name = name;
  item.layer = opt.layer >= 0 ? opt.layer : 0;
  ItemId id = add_item(std::move(item), opt);
  if (opt.parent != 0) set_parent(id, opt.parent);
  return id;
}

ItemId Scene::add_bone(ItemId object, const std::string &name, const ItemOptions &opt) {
  const Item *owner = item(object);
  if (owner == nullptr || !owner->is_object()) return 0;
  const auto j = static_cast<uint32_t>(owner->bones.size());
  if (j >= kMaxBonesPerObject) return 0;
  const ItemId id = kBoneBase + (j << 16) + owner->kind_index;
  if (item(id) != nullptr) return 0;
  Item bone;
  bone.id = id;
  bone.type = ItemType::Bone;
  bone.name = name;
  bone.display = 1;
  bone.object = object;
  bone.kind_index = j;
  items_[object_slots_[owner->kind_index]].bones.push_back(id);
  add_item(std::move(bone), opt);
  ItemId parent = opt.parent != 0 && contains(opt.parent) ? opt.parent : object;
  set_parent(id, parent);
  return id;
}

// Lights and cameras: numbered within their kind, visible, under the parent
// the options name.
ItemId Scene::add_plain_item(ItemType type, ItemId base, std::size_t count, const std::string &name,
                             const ItemOptions &opt) {
  Item item;
  item.id = base + static_cast<ItemId>(count);
  item.type = type;
  item.kind_index = static_cast<uint32_t>(count);
  item.name = name;
  item.display = 1;
  ItemId id = add_item(std::move(item), opt);
  if (opt.parent != 0) set_parent(id, opt.parent);
  return id;
}

ItemId Scene::add_light(const std::string &name, const ItemOptions &opt) {
  return add_plain_item(ItemType::Light, kLightBase, lights_.size(), name, opt);
}

ItemId Scene::add_camera(const std::string &name, const ItemOptions &opt) {
  return add_plain_item(ItemType::Camera, kCameraBase, cameras_.size(), name, opt);
}

void Scene::clear() {
  const unsigned int flags = general_flags;
  const uint64_t version = selection_version_;
  *this = Scene();
  general_flags = flags;
  selection_version_ = version + 1;
}

void Scene::reserve(std::size_t count) {
  items_.reserve(items_.size() + count);
  name_at_.reserve(name_at_.size() + count);
  links_.reserve(links_.size() + count);
}

// ---- look-up ------------------------------------------------------------------

bool Scene::place_of(ItemId id, ItemType &type, uint32_t &index) const {
  int64_t i = -1;
  if ((i = index_in(id, kObjectBase, objects_.size())) >= 0) type = ItemType::Object;
  else if ((i = index_in(id, kLightBase, lights_.size())) >= 0) type = ItemType::Light;
  else if ((i = index_in(id, kCameraBase, cameras_.size())) >= 0) type = ItemType::Camera;
  if (i >= 0) {
    index = static_cast<uint32_t>(i);
    return true;
  }
  if (id < kBoneBase) return false;
  // Bone j of object i: the slot list of the identifier's low 16 bits, at j.
  const uint32_t j = (id - kBoneBase) >> 16;
  const uint32_t owner = id & kBoneObjectMask;
  if (j >= kMaxBonesPerObject || owner >= bone_slots_.size()) return false;
  const std::vector<uint32_t> &bones = bone_slots_[owner];
  if (j >= bones.size() || bones[j] == kNoSlot) return false;
  type = ItemType::Bone;
  index = bones[j];
  return true;
}

uint32_t Scene::slot_of(ItemId id) const {
  ItemType type = ItemType::Object;
  uint32_t index = 0;
  if (!place_of(id, type, index)) return kNoSlot;
  switch (type) {
    case ItemType::Object: return object_slots_[index];
    case ItemType::Light: return light_slots_[index];
    case ItemType::Camera: return camera_slots_[index];
    case ItemType::Bone: break;
  }
  return index;
}

const Item *Scene::item(ItemId id) const {
  const uint32_t slot = slot_of(id);
  return slot == kNoSlot ? nullptr : &items_[slot];
}

bool Scene::type_of(ItemId id, ItemType &type) const {
  uint32_t index = 0;
  return place_of(id, type, index);
}

const uint8_t *Scene::selected_flag(ItemId id) const {
  ItemType type = ItemType::Object;
  uint32_t index = 0;
  if (!place_of(id, type, index)) return nullptr;
  return &selected_[static_cast<int>(type)][index];
}

Item *Scene::find(ItemId id) {
  const Item *found = item(id);
  if (found == nullptr) return nullptr;
  // The caller may rename it behind the index's and the name text's back.
  names_stale_ = true;
  name_at_[slot_of(id)] = nullptr;
  return const_cast<Item *>(found);
}

// ---- names --------------------------------------------------------------------

// Scene order as one number: objects (each followed by its bones), lights,
// cameras.
uint64_t Scene::order_key(const Item &it) const {
  switch (it.type) {
    case ItemType::Object: return static_cast<uint64_t>(it.kind_index) << 16;
    case ItemType::Bone: {
      const Item *owner = item(it.object);
      return (static_cast<uint64_t>(owner->kind_index) << 16) | (it.kind_index + 1);
    }
    case ItemType::Light: return kLightKeyClass | it.kind_index;
    case ItemType::Camera: return kCameraKeyClass | it.kind_index;
  }
  return 0;
}

ItemId Scene::item_at_key(uint64_t key) const {
  const uint64_t index = key & ((1ull << 60) - 1);
  if ((key >> 60) == 1) return lights_[index];
  if ((key >> 60) == 2) return cameras_[index];
  const uint64_t bone = key & 0xFFFF;
  const uint64_t object = index >> 16;
  if (bone == 0) return objects_[object];
  return items_[object_slots_[object]].bones[bone - 1];
}

void Scene::index_name(const Item &it) { names_[it.name].insert(order_key(it)); }

void Scene::rebuild_name_index() const {
  names_.clear();
  for (const Item &it : items_) names_[it.name].insert(order_key(it));
  names_stale_ = false;
}

ItemId Scene::find_by_name(std::string_view name) const {
  if (names_stale_) rebuild_name_index();
  auto found = names_.find(std::string(name));
  if (found == names_.end() || found->second.empty()) return 0;
  return item_at_key(*found->second.begin());
}

void Scene::rename(ItemId id, const std::string &name) {
  Item *it = const_cast<Item *>(item(id));
  if (it == nullptr || it->name == name) return;
  // The index is rebuilt at the next look-up by name: a tool renames items
  // one command at a time, and only scripts look items up by name.
  it->name = name;
  names_stale_ = true;
  write_name_text(slot_of(id));
}

void Scene::write_name_text(uint32_t slot) {
  const std::string &name = items_[slot].name;
  if (name_at_[slot] != nullptr) live_name_bytes_ -= std::strlen(name_at_[slot]) + 1;
  live_name_bytes_ += name.size() + 1;
  name_at_[slot] = name_texts_.add(name);
  // Renaming every item again and again leaves only earlier texts behind:
  // past twice the live texts (and 64 MiB), every name is written afresh.
  if (name_texts_.bytes() <= 2 * live_name_bytes_ + (std::size_t(64) << 20)) return;
  name_texts_.clear();
  live_name_bytes_ = 0;
  for (std::size_t i = 0; i < items_.size(); ++i) {
    name_at_[i] = name_texts_.add(items_[i].name);
    live_name_bytes_ += items_[i].name.size() + 1;
  }
}

const char *Scene::name_text(ItemId id) const {
  const uint32_t slot = slot_of(id);
  if (slot == kNoSlot) return nullptr;
  return name_at_[slot] != nullptr ? name_at_[slot] : items_[slot].name.c_str();
}

// ---- hierarchy ----------------------------------------------------------------

void Scene::detach(ItemId child) {
  Item &it = *const_cast<Item *>(item(child));
  if (it.parent == 0) return;
  const ItemId parent = it.parent;
  auto &list = const_cast<Item *>(item(parent))->children;
  list.erase(list.begin() + it.child_pos);
  for (std::size_t k = it.child_pos; k < list.size(); ++k)
    const_cast<Item *>(item(list[k]))->child_pos = static_cast<uint32_t>(k);
  it.parent = 0;
  it.child_pos = 0;
  links_[slot_of(child)] = Links{0, links_[slot_of(child)].first_child, 0};
  relink_children(parent);
}

void Scene::attach(ItemId child, ItemId parent) {
  Item &it = *const_cast<Item *>(item(child));
  it.parent = parent;
  Links &links = links_[slot_of(child)];
  links.parent = parent;
  links.next_sibling = 0;
  if (parent == 0) return;
  Item &p = *const_cast<Item *>(item(parent));
  it.child_pos = static_cast<uint32_t>(p.children.size());
  if (p.children.empty()) links_[slot_of(parent)].first_child = child;
  else links_[slot_of(p.children.back())].next_sibling = child;
  p.children.push_back(child);
}

// The links of `parent`'s children from its child list.
void Scene::relink_children(ItemId parent) {
  const auto &list = item(parent)->children;
  links_[slot_of(parent)].first_child = list.empty() ? 0 : list.front();
  for (std::size_t k = 0; k < list.size(); ++k)
    links_[slot_of(list[k])].next_sibling = k + 1 < list.size() ? list[k + 1] : 0;
}

bool Scene::is_descendant(ItemId id, ItemId ancestor) const {
  const Item *it = item(id);
  while (it != nullptr && it->parent != 0) {
    if (it->parent == ancestor) return true;
    it = item(it->parent);
  }
  return false;
}

bool Scene::set_parent(ItemId child, ItemId parent) {
  const Item *it = item(child);
  if (it == nullptr) return false;
  // Only an item with children can end up above its new parent.
  if (parent != 0 &&
      (!contains(parent) || parent == child || (!it->children.empty() && is_descendant(parent, child))))
    return false;
  if (it->parent == parent) return true;
  detach(child);
  attach(child, parent);
  return true;
}

bool Scene::set_parents(const std::vector<ItemId> &children, ItemId parent) {
  if (parent != 0 && !contains(parent)) return false;
  std::unordered_set<ItemId> moving;
  std::vector<ItemId> order;
  for (ItemId id : children) {
    const Item *it = item(id);
    if (it == nullptr || it->parent == parent) continue;
    if (moving.insert(id).second) order.push_back(id);
  }
  if (order.empty()) return true;
  // The parent must not be one of the moving items or below one of them.
  for (const Item *up = item(parent); up != nullptr; up = item(up->parent))
    if (moving.count(up->id) != 0) return false;
  // Each old parent's list is filtered once.
  std::unordered_set<ItemId> old_parents;
  for (ItemId id : order)
    if (item(id)->parent != 0) old_parents.insert(item(id)->parent);
  for (ItemId p : old_parents) {
    auto &list = const_cast<Item *>(item(p))->children;
    std::size_t kept = 0;
    for (ItemId c : list) {
      if (moving.count(c) != 0) continue;
      list[kept] = c;
      const_cast<Item *>(item(c))->child_pos = static_cast<uint32_t>(kept);
      ++kept;
    }
    list.resize(kept);
    relink_children(p);
  }
  for (ItemId id : order) {
    const_cast<Item *>(item(id))->parent = 0;
    links_[slot_of(id)].parent = 0;
    attach(id, parent);
  }
  return true;
}

// ---- state --------------------------------------------------------------------

void Scene::set_display(ItemId id, int display) {
  if (const Item *it = item(id)) const_cast<Item *>(it)->display = display;
}

void Scene::set_active(ItemId id, bool active) {
  if (const Item *it = item(id)) const_cast<Item *>(it)->active = active;
}

void Scene::set_file(ItemId id, const std::string &file, int layer) {
  const Item *it = item(id);
  if (it == nullptr || !it->is_object()) return;
  const_cast<Item *>(it)->file = file;
  const_cast<Item *>(it)->layer = layer;
}

// ---- enumeration --------------------------------------------------------------

ItemId Scene::first(ItemType type, ItemId object) const {
  switch (type) {
    case ItemType::Object: return objects_.empty() ? 0 : objects_.front();
    case ItemType::Light: return lights_.empty() ? 0 : lights_.front();
    case ItemType::Camera: return cameras_.empty() ? 0 : cameras_.front();
    case ItemType::Bone: {
      const Item *owner = item(object);
      if (owner == nullptr || !owner->is_object() || owner->bones.empty()) return 0;
      return owner->bones.front();
    }
  }
  return 0;
}

ItemId Scene::next(ItemId id) const {
  ItemType type = ItemType::Object;
  uint32_t index = 0;
  if (!place_of(id, type, index)) return 0;
  const std::size_t n = index + 1u;
  switch (type) {
    case ItemType::Object: return n < objects_.size() ? objects_[n] : 0;
    case ItemType::Light: return n < lights_.size() ? lights_[n] : 0;
    case ItemType::Camera: return n < cameras_.size() ? cameras_[n] : 0;
    case ItemType::Bone: break;
  }
  const Item &bone = items_[index];
  const auto &bones = item(bone.object)->bones;
  return bone.kind_index + 1u < bones.size() ? bones[bone.kind_index + 1u] : 0;
}

ItemId Scene::first_child(ItemId parent) const {
  const uint32_t slot = slot_of(parent);
  return slot == kNoSlot ? 0 : links_[slot].first_child;
}

ItemId Scene::next_child(ItemId parent, ItemId prev) const {
  const uint32_t slot = slot_of(prev);
  if (slot == kNoSlot || parent == 0 || links_[slot].parent != parent) return 0;
  return links_[slot].next_sibling;
}

ItemId Scene::parent_of(ItemId id) const {
  const uint32_t slot = slot_of(id);
  return slot == kNoSlot ? 0 : links_[slot].parent;
}

std::vector<ItemId> Scene::scene_order() const {
  std::vector<ItemId> order;
  order.reserve(items_.size());
  for (ItemId object : objects_) {
    order.push_back(object);
    const auto &bones = item(object)->bones;
    order.insert(order.end(), bones.begin(), bones.end());
  }
  order.insert(order.end(), lights_.begin(), lights_.end());
  order.insert(order.end(), cameras_.begin(), cameras_.end());
  return order;
}

// ---- selection ----------------------------------------------------------------

void Scene::select_only(ItemId id) {
  for (ItemId selected : selection_) *selected_flag(selected) = 0;
  selection_.clear();
  ++selection_version_;
  if (id != 0) add_to_selection(id);
}

void Scene::add_to_selection(ItemId id) {
  uint8_t *flag = selected_flag(id);
  if (flag == nullptr || *flag != 0) return;
  *flag = 1;
  selection_.push_back(id);
  ++selection_version_;
}

void Scene::set_selection(const std::vector<ItemId> &ids) {
  select_only(0);
  for (ItemId id : ids) add_to_selection(id);
}

}  // namespace qbhost
