// First library layer: scene items and selection, read through ServiceTable
// and changed through run_command.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "abi/host_api.h"
#include "toolkit/text/regex.h"

namespace qb {

enum ItemKind : int {
  kNullObject = 0,
  kMeshObject = 1,
  kBoneItem = 2,
  kLightItem = 3,
  kCameraItem = 4,
  kOtherItem = 5,
};

using ItemList = std::vector<LWItemID>;

std::string item_name(LWItemID item);  // "" for a null or empty name
ItemList selected_items();             // looks interface info up again; host order
void select_item(LWItemID item);       // "SelectItem 0x%x", then a fresh lookup
// select_item, then whether the item is now the whole selection: a refused
// "SelectItem" leaves the previous item selected, and a change sent then
// would land on that item, so a change follows only a selection that took.
bool select_alone(LWItemID item);
void select_same_type(const ItemList &items);
// select_same_type for a list known to hold every item once (a branch list):
// the same commands, without a membership test per entry.
void select_distinct_same_type(const ItemList &items);
ItemList scene_items();                       // objects each with its bones, lights, cameras
LWItemID find_item(const std::string &name);  // lower_case comparison; first in scene order
ItemList items_matching(const Regex &re);
ItemList items_matching_wildcard(const std::string &pattern);
ItemList items_matching_wildcards(const std::vector<std::string> &patterns);
ItemKind item_kind(LWItemID item);              // mesh: object_file_name not empty
std::string object_file_name(LWItemID object);  // ".*\.lwo" any case, else ""

// Host item identifiers in command texts: the low 32 bits.
inline unsigned int item_id_bits(LWItemID item) {
  return static_cast<unsigned int>(reinterpret_cast<std::uintptr_t>(item));
}

// The verb, " 0x" and the item's identifier bits in lower-case hexadecimal:
// the text of "<verb> 0x%x".
std::string item_command(std::string_view verb, LWItemID item);

}  // namespace qb
