#include "host/batch/scene_changes.h"

#include <unordered_map>

namespace qbhost::batch {

std::vector<ItemState> scene_state(const Scene &scene) {
  std::vector<ItemState> states;
  states.reserve(scene.size());
  for (ItemId id : scene.scene_order()) {
    const Item &item = *scene.item(id);
    const bool object = item.is_object();
    states.push_back(ItemState{id, item.type, item.name, item.parent, item.display, item.active,
                               object ? item.file : std::string(), object ? item.layer : 0});
  }
  return states;
}

std::vector<Change> compare_states(const std::vector<ItemState> &before,
                                   const std::vector<ItemState> &after) {
  std::unordered_map<ItemId, const ItemState *> now;
  now.reserve(after.size());
  for (const ItemState &state : after) now.emplace(state.id, &state);
  std::vector<Change> changes;
  auto add = [&](ChangeKind kind, const ItemState &old_state, const ItemState &new_state) {
    changes.push_back(Change{kind, old_state, new_state});
  };
  for (const ItemState &old_state : before) {
    auto found = now.find(old_state.id);
    // Scripts cannot remove items; an item gone is not one the report can name.
    if (found == now.end()) continue;
    const ItemState &new_state = *found->second;
    if (old_state.name != new_state.name) add(ChangeKind::Name, old_state, new_state);
    if (old_state.parent != new_state.parent) add(ChangeKind::Parent, old_state, new_state);
    if (old_state.display != new_state.display)
      add(old_state.type == ItemType::Object ? ChangeKind::Display : ChangeKind::Visibility, old_state,
          new_state);
    if (old_state.active != new_state.active) add(ChangeKind::Active, old_state, new_state);
    if (old_state.file != new_state.file || old_state.layer != new_state.layer)
      add(ChangeKind::Layer, old_state, new_state);
    now.erase(found);
  }
  for (const ItemState &new_state : after)
    if (now.count(new_state.id) != 0) add(ChangeKind::Added, new_state, new_state);
  return changes;
}

const char *change_word(ChangeKind kind) {
  switch (kind) {
    case ChangeKind::Name: return "name";
    case ChangeKind::Parent: return "parent";
    case ChangeKind::Display: return "display";
    case ChangeKind::Visibility: return "visibility";
    case ChangeKind::Active: return "active";
    case ChangeKind::Layer: return "layer";
    case ChangeKind::Added: return "added";
  }
  return "";
}

}  // namespace qbhost::batch
