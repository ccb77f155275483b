// Second library layer: item lists and selection, read through the lwtool2
// service set and changed through evalf.
#pragma once

#include <cstddef>
#include <vector>

#include "abi/host_api.h"
#include "toolkit/items/item_marks.h"
#include "toolkit/items/items.h"

namespace lwtool2 {

// An ordered item list whose membership is hashed in one flat table, so that
// "unless already present" costs no linear search and no allocation per item.
class ItemList {
 public:
  ItemList() { items_.reserve(128); }
  void append(LWItemID item);         // always appends
  bool append_unique(LWItemID item);  // appends unless present; true when appended
  bool contains(LWItemID item) const { return members_.has(item); }
  std::size_t size() const { return items_.size(); }
  bool empty() const { return items_.empty(); }
  LWItemID operator[](std::size_t i) const { return items_[i]; }
  std::vector<LWItemID>::const_iterator begin() const { return items_.begin(); }
  std::vector<LWItemID>::const_iterator end() const { return items_.end(); }
  const std::vector<LWItemID> &items() const { return items_; }

 private:
  std::vector<LWItemID> items_;
  qb::ItemMarks members_;
};

// Looks "LW Interface Info 7" up again; on null: status_error, then CBaseEx.
void refresh_interface_info();

ItemList selection_list(int flag);              // flag 1: each followed by child_list(.., 1)
ItemList child_list(LWItemID item, int flag);   // flag 1: depth first, pre-order
void append_selection(ItemList &list);
void append_selection_with_descendants(ItemList &list);
void append_descendants(ItemList &list, LWItemID item);
void select_list(const ItemList &list);         // from the end: SelectItem, AddToSelection...
ItemList scene_item_list();                     // objects+bones, lights, cameras, bones; no dedupe
void append_scene_items(ItemList &list);        // same walk, unique
ItemList mesh_objects();                        // objects with classify_item 1
qb::ItemKind classify_item(LWItemID item);      // mesh: file name matches "^.*\.lwo$" exactly

}  // namespace lwtool2
