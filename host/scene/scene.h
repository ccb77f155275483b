// The stand-in host's scene model.  Items are numbered as the real host's
// scene files do, by kind and creation order.  Look-ups by identifier are
// direct, by the index the identifier carries (no hashing), child lists know each
// child's position, and names are indexed, so that scenes of a million items
// stay fast: no operation walks more than the items it touches.  What the
// services read item after item (kinds, hierarchy links, selection flags, name
// texts) also sits in dense arrays beside the items, so that a tool walking a
// large scene reads memory in order rather than one item record at a time.
#pragma once

#include <cstdint>
#include <set>
#include <string>
#include <string_view>
#include <unordered_map>
#include <unordered_set>
#include <vector>

#include "host/scene/name_texts.h"

namespace qbhost {

using ItemId = uint32_t;  // 0 is no item

enum class ItemType : int { Object = 0, Light = 1, Camera = 2, Bone = 3 };

inline constexpr ItemId kObjectBase = 0x10000000u;
inline constexpr ItemId kLightBase = 0x20000000u;
inline constexpr ItemId kCameraBase = 0x30000000u;
inline constexpr ItemId kBoneBase = 0x40000000u;

// Bone j of an object: kBoneBase + (j << 16) + object index; j stays below
// this so that the identifier fits in 32 bits.
inline constexpr uint32_t kMaxBonesPerObject = 0xC000u;

// Object display codes: 0 hidden, 1 bounding box, 2 vertices, 3 wireframe,
// 4 front-face wireframe, 5 shaded solid, 6 textured solid, 7 textured
// wireframe.  Bones, lights and cameras: 1 visible, 0 hidden.
inline constexpr int kDefaultObjectDisplay = 6;
inline constexpr int kMaxObjectDisplay = 7;

struct Item {
  ItemId id = 0;
  ItemType type = ItemType::Object;
  std::string name;                     // may be empty; change it through Scene::rename
  ItemId parent = 0;                    // 0: none; change it through Scene::set_parent
  std::vector<ItemId> children;         // every kind, bones included, in order of parenting
  bool active = true;                   // item flags bit 0
  int display = kDefaultObjectDisplay;  // objects 0-7, others 0/1
  // Objects:
  std::string file;           // empty for a null object
  int layer = 0;              // 1 for meshes by default, 0 for nulls
  std::vector<ItemId> bones;  // this object's bones in creation order
  // Bones:
  ItemId object = 0;  // the object the bone belongs to
  // Bookkeeping kept by Scene:
  uint32_t kind_index = 0;  // creation index among its kind (bones: within the object)
  uint32_t child_pos = 0;   // position in the parent's child list

  bool is_object() const { return type == ItemType::Object; }
  bool is_mesh() const { return type == ItemType::Object && !file.empty(); }
};

struct ItemOptions {
  ItemId parent = 0;
  int display = -1;     // -1: the default for the kind
  bool hidden = false;  // display 0
  bool inactive = false;
  int layer = -1;  // -1: the default for the kind
};

class Scene {
 public:
  // Creation.  A parent that does not exist is ignored (no parent).  A bone
  // belongs to `object`; its parent defaults to that object.  add_bone gives
  // 0 when `object` is not an object, when the object has the most bones an
  // identifier can number, or when the identifier is already taken (bone
  // identifiers of objects past the 65536th overlap those of earlier ones).
  ItemId add_mesh(const std::string &name, const std::string &file, const ItemOptions &opt = {});
  ItemId add_null(const std::string &name, const ItemOptions &opt = {});
  ItemId add_bone(ItemId object, const std::string &name, const ItemOptions &opt = {});
  ItemId add_light(const std::string &name, const ItemOptions &opt = {});
  ItemId add_camera(const std::string &name, const ItemOptions &opt = {});
  // Empties the scene and the selection; the general flags stay.
  void clear();
  // Room for this many more items (an optional hint before bulk creation).
  void reserve(std::size_t items);

  // Read access.  `item` never changes anything; the writable `find` is for
  // callers that edit fields directly (a name changed that way is picked up
  // by the next find_by_name, which then re-indexes every name once).
  const Item *item(ItemId id) const;
  Item *find(ItemId id);
  const Item *find(ItemId id) const { return item(id); }
  bool contains(ItemId id) const { return item(id) != nullptr; }
  // The kind of the item, read from the identifier alone; false when no item has it.
  bool type_of(ItemId id, ItemType &type) const;

  // First item with exactly that name in scene order (objects each followed by
  // their bones, then lights, then cameras); 0 when none.
  ItemId find_by_name(std::string_view name) const;
  void rename(ItemId id, const std::string &name);
  // The item's name as a nul-ended text (null for no item), valid until the
  // scene next changes.  Names of items made one after another lie one after
  // another in memory.
  const char *name_text(ItemId id) const;

  // Moves `child` to the end of `parent`'s child list (0: no parent).  False
  // when either does not exist or the move would make a cycle.  An item that
  // already has that parent keeps its place.
  bool set_parent(ItemId child, ItemId parent);
  // The same for many items at once, in list order, in time linear in the
  // items moved and the child lists they leave.  False, and nothing changed,
  // when the parent does not exist or is one of them or below one of them.
  bool set_parents(const std::vector<ItemId> &children, ItemId parent);
  bool is_descendant(ItemId item, ItemId ancestor) const;  // ancestor above item

  void set_display(ItemId id, int display);
  void set_active(ItemId id, bool active);
  void set_file(ItemId id, const std::string &file, int layer);  // objects

  const std::vector<ItemId> &objects() const { return objects_; }
  const std::vector<ItemId> &lights() const { return lights_; }
  const std::vector<ItemId> &cameras() const { return cameras_; }
  std::size_t size() const { return items_.size(); }

  // Enumeration for "LW Item Info 8": first of a kind (bones: of `object`;
  // none for object 0), next of the same kind (bones: next bone of the same
  // object); first child, and the child after `prev` in `parent`'s list.
  ItemId first(ItemType type, ItemId object = 0) const;
  ItemId next(ItemId item) const;
  ItemId first_child(ItemId parent) const;
  ItemId next_child(ItemId parent, ItemId prev) const;
  ItemId parent_of(ItemId item) const;  // 0 for none or no item

  // Every item in scene order: objects each followed by their bones, then
  // lights, then cameras.
  std::vector<ItemId> scene_order() const;

  // Selection: ordered, membership in a flag per item.  Identifiers that name no item
  // are left out.
  const std::vector<ItemId> &selection() const { return selection_; }
  bool is_selected(ItemId id) const {
    const uint8_t *flag = selected_flag(id);
    return flag != nullptr && *flag != 0;
  }
  void select_only(ItemId id);       // id 0: empty selection
  void add_to_selection(ItemId id);  // unless already selected
  void set_selection(const std::vector<ItemId> &ids);
  // Grows with every change of the selection (snapshots share unchanged ones).
  uint64_t selection_version() const { return selection_version_; }

  unsigned int general_flags = 0;  // bit 2: parent in place

 private:
  ItemId add_item(Item item, const ItemOptions &opt);
  ItemId add_plain_item(ItemType type, ItemId base, std::size_t count, const std::string &name,
                        const ItemOptions &opt);
  void attach(ItemId child, ItemId parent);
  void detach(ItemId child);
  void relink_children(ItemId parent);
  uint64_t order_key(const Item &item) const;
  ItemId item_at_key(uint64_t key) const;
  void index_name(const Item &item);
  void rebuild_name_index() const;
  // The item's place by kind: objects, lights and cameras by creation index,
  // bones by items_ position.  Found from the identifier and the counts alone
  // (items are never removed one by one), so that enumeration, types and
  // selection read no item.
  bool place_of(ItemId id, ItemType &type, uint32_t &index) const;
  uint32_t slot_of(ItemId id) const;  // items_ position, or kNoSlot
  const uint8_t *selected_flag(ItemId id) const;
  uint8_t *selected_flag(ItemId id) {
    return const_cast<uint8_t *>(static_cast<const Scene *>(this)->selected_flag(id));
  }

  std::vector<Item> items_;
  // items_ positions of objects, lights and cameras by creation index; bones
  // by identifier.
  std::vector<uint32_t> object_slots_, light_slots_, camera_slots_;
  // Bones: items_ positions by the identifier's low 16 bits (the object's
  // index modulo 65536), then by j.  Identifiers are unique, so each pair
  // names at most one bone.
  static constexpr uint32_t kBoneObjectMask = 0xFFFFu;
  static constexpr uint32_t kNoSlot = UINT32_MAX;
  std::vector<std::vector<uint32_t>> bone_slots_;
  std::vector<ItemId> objects_, lights_, cameras_;
  std::vector<ItemId> selection_;
  // Selection flags by kind (the ItemType's value) and place: a selection
  // made item by item touches one byte per item in a small dense array.
  std::vector<uint8_t> selected_[4];
  uint64_t selection_version_ = 0;
  // Each item's name text by items_ position (null: read the item's name,
  // which a caller of the writable find may have changed); texts of earlier
  // names stay in name_texts_ until there are more of them than of live ones.
  // The hierarchy as the enumeration services walk it, by items_ position:
  // the same as the items' parent and child lists, in a dense array so that
  // a walk reads no item.
  struct Links {
    ItemId parent = 0;
    ItemId first_child = 0;
    ItemId next_sibling = 0;
  };
  std::vector<Links> links_;
  NameTexts name_texts_;
  std::vector<const char *> name_at_;
  std::size_t live_name_bytes_ = 0;
  void write_name_text(uint32_t slot);
  // Name -> scene-order keys of the items of that name.
  mutable std::unordered_map<std::string, std::set<uint64_t>> names_;
  mutable bool names_stale_ = false;
};

}  // namespace qbhost
