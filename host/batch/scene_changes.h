// What a script changed in a scene: the scene model before and after, item by
// item, so that the report tells what happened whatever the tool printed.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "host/scene/scene.h"

namespace qbhost::batch {

// What the report lists of an item.
struct ItemState {
  ItemId id = 0;
  ItemType type = ItemType::Object;
  std::string name;  // the host's bytes
  ItemId parent = 0;
  int display = 0;  // objects: display mode 0-7; others: visible 1 or 0
  bool active = true;
  std::string file;  // objects
  int layer = 0;     // objects
};

// Every item in scene order.
std::vector<ItemState> scene_state(const Scene &scene);

enum class ChangeKind { Name, Parent, Display, Visibility, Active, Layer, Added };

// One change of one item; `before` and `after` hold the value of the kind's
// own field in the item's state.
struct Change {
  ChangeKind kind = ChangeKind::Name;
  ItemState before;  // for Added: the new item's state
  ItemState after;
};

// The changes from `before` to `after`, item by item in the order of
// `before` (items a script made come last, in their scene order), each item's
// in the order of ChangeKind.
std::vector<Change> compare_states(const std::vector<ItemState> &before, const std::vector<ItemState> &after);

// The word the report uses for a kind ("name", "parent", ...).
const char *change_word(ChangeKind kind);

}  // namespace qbhost::batch
