// The stand-in host's scene model.  Items are numbered as the real host's
// scene files do, by kind and creation order; every look-up by identifier is
// hashed so that scenes of a million items stay fast.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <unordered_map>
#include <unordered_set>
#include <vector>

namespace qbhost {

using ItemId = uint32_t;  // 0 is no item

enum class ItemType : int { Object = 0, Light = 1, Camera = 2, Bone = 3 };

inline constexpr ItemId kObjectBase = 0x10000000u;
inline constexpr ItemId kLightBase = 0x20000000u;
inline constexpr ItemId kCameraBase = 0x30000000u;
inline constexpr ItemId kBoneBase = 0x40000000u;

// Object display codes: 0 hidden, 1 bounding box, 2 vertices, 3 wireframe,
// 4 front-face wireframe, 5 shaded solid, 6 textured solid, 7 textured
// wireframe.  Bones, lights and cameras: 1 visible, 0 hidden.
inline constexpr int kDefaultObjectDisplay = 6;

struct Item {
  ItemId id = 0;
  ItemType type = ItemType::Object;
  std::string name;               // may be empty
  ItemId parent = 0;              // 0: none
  std::vector<ItemId> children;   // every kind, bones included, in order of parenting
  bool active = true;             // item flags bit 0
  int display = kDefaultObjectDisplay;  // objects 0-7, others 0/1
  // Objects:
  std::string file;               // empty for a null object
  int layer = 0;                  // 1 for meshes by default, 0 for nulls
  std::vector<ItemId> bones;      // this object's bones in creation order
  // Bones:
  ItemId object = 0;              // the object the bone belongs to
};

struct ItemOptions {
  ItemId parent = 0;
  int display = -1;     // -1: the default for the kind
  bool hidden = false;  // display 0
  bool inactive = false;
  int layer = -1;       // -1: the default for the kind
};

class Scene {
 public:
  // Creation.  A parent that does not exist is ignored (no parent).  A bone
  // belongs to `object`; its parent defaults to that object.
  ItemId add_mesh(const std::string &name, const std::string &file, const ItemOptions &opt = {});
  ItemId add_null(const std::string &name, const ItemOptions &opt = {});
  ItemId add_bone(ItemId object, const std::string &name, const ItemOptions &opt = {});
  ItemId add_light(const std::string &name, const ItemOptions &opt = {});
  ItemId add_camera(const std::string &name, const ItemOptions &opt = {});
  void clear();

  Item *find(ItemId id);
  const Item *find(ItemId id) const;
  // First item with exactly that name in scene order (objects each followed by
  // their bones, then lights, then cameras); 0 when none.
  ItemId find_by_name(std::string_view name) const;

  // Moves `child` to the end of `parent`'s child list (0: no parent).  False
  // when either does not exist or the move would make a cycle.
  bool set_parent(ItemId child, ItemId parent);
  bool is_descendant(ItemId item, ItemId ancestor) const;  // ancestor above item

  const std::vector<ItemId> &objects() const { return objects_; }
  const std::vector<ItemId> &lights() const { return lights_; }
  const std::vector<ItemId> &cameras() const { return cameras_; }
  std::size_t size() const { return items_.size(); }

  // Enumeration for "LW Item Info 8": next of the same kind (bones: next bone
  // of the same object); next child after `prev` in `parent`'s child list.
  ItemId next(ItemId item) const;
  ItemId next_child(ItemId parent, ItemId prev) const;

  // Selection: ordered, membership hashed.
  const std::vector<ItemId> &selection() const { return selection_; }
  bool is_selected(ItemId id) const { return selected_.count(id) != 0; }
  void select_only(ItemId id);   // id 0: empty selection
  void add_to_selection(ItemId id);  // unless already selected
  void set_selection(const std::vector<ItemId> &ids);

  unsigned int general_flags = 0;  // bit 2: parent in place

 private:
  struct Slot {
    std::size_t index;          // into items_
    std::size_t kind_position;  // in objects_/lights_/cameras_ or the object's bones
    std::size_t child_position; // in the parent's child list
  };
  ItemId add_item(Item item, const ItemOptions &opt);
  void attach(ItemId child, ItemId parent);
  void detach(ItemId child);

  std::vector<Item> items_;
  std::unordered_map<ItemId, Slot> slots_;
  std::vector<ItemId> objects_, lights_, cameras_;
  std::vector<ItemId> selection_;
  std::unordered_set<ItemId> selected_;
};

}  // namespace qbhost
