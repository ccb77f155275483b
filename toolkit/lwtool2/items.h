// Second library layer: item lists and selection, read through the lwtool2
// service set and changed through evalf.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

#include "abi/host_api.h"
#include "platform/path_style.h"
#include "toolkit/items/item_marks.h"
#include "toolkit/items/items.h"

namespace lwtool2 {

// An ordered item list whose membership is hashed in one flat table, so that
// "unless already present" costs no linear search and no allocation per item.
class HashedItemList {
 public:
  HashedItemList() { items_.reserve(128); }
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

// The host's name for the item; "" when it gives none.
std::string item_name(LWItemID item);

// "SelectItem 0x%x" through evalf, then whether the item is now the whole
// selection: a refused "SelectItem" leaves the previous item selected, and a
// change sent then would land on that item, so a change waits until its own
// item is selected alone.
bool select_alone(LWItemID item);

// Whether a list of items goes on with each item's descendants.
enum class Descendants { kLeftOut, kIncluded };

HashedItemList selection_list(Descendants descendants);  // kIncluded: each followed by its descendant_list
HashedItemList descendant_list(LWItemID item);           // depth first, pre-order
void append_selection(HashedItemList &list);
void append_selection_with_descendants(HashedItemList &list);
void append_descendants(HashedItemList &list, LWItemID item);
void select_list(const HashedItemList &list);   // from the end: SelectItem, AddToSelection...
HashedItemList scene_item_list();               // objects+bones, lights, cameras, bones; no dedupe
void append_scene_items(HashedItemList &list);  // same walk, unique
HashedItemList mesh_objects();                  // objects with classify_item 1
// Mesh: the file name matches "^.*\.lwo$", the ending in either letter case
// where the style's file system ignores it.
qb::ItemKind classify_item(LWItemID item, qb::PathStyle style = qb::kNativePathStyle);

}  // namespace lwtool2
