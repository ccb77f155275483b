// First layer: scene items and selection through ServiceTable; changes go out
// through run_command and are never checked.
#include "toolkit/items/items.h"

#include <algorithm>

#include "toolkit/base/item_marks.h"
#include "toolkit/command.h"
#include "toolkit/services.h"
#include "toolkit/text/code_page.h"
#include "toolkit/text/format.h"
#include "toolkit/text/pattern.h"
#include "toolkit/text/regex.h"

namespace qb {
namespace {

LWItemInfo *item_info() { return service_table().item_info; }

// Objects each followed by its bones, then lights, then cameras, each handed to `visit` as the host lists it.
// A run over the scene visits in place rather than first listing a million handles.
template <class Visit>
void for_each_scene_item(Visit &&visit) {
  LWItemInfo *info = item_info();
  if (info == nullptr) return;
  for (LWItemID object = info->first(LWI_OBJECT, nullptr); object != nullptr; object = info->next(object)) {
    visit(object);
    for (LWItemID bone = info->first(LWI_BONE, object); bone != nullptr; bone = info->next(bone)) visit(bone);
  }
  for (LWItemType type : {LWI_LIGHT, LWI_CAMERA})
    for (LWItemID item = info->first(type, nullptr); item != nullptr; item = info->next(item)) visit(item);
}

// The host's own text of the item's name, valid until the next call into the host: a run that only compares
// it copies nothing (most names of a large scene are too long to be kept without a heap block of their own).
std::string_view name_view(LWItemID item) {
  LWItemInfo *info = item_info();
  const char *name = info == nullptr || item == nullptr ? nullptr : info->name(item);
  return name == nullptr ? std::string_view() : std::string_view(name);
}

}  // namespace

std::string item_name(LWItemID item) {
  LWItemInfo *info = item_info();
  if (info == nullptr || item == nullptr) return std::string();
  const char *name = info->name(item);
  return name == nullptr ? std::string() : std::string(name);
}

ItemList selected_items() {
  refresh_interface_info();
  ItemList items;
  LWInterfaceInfo *info = service_table().interface_info;
  if (info == nullptr || info->selItems == nullptr) return items;
  for (const LWItemID *item = info->selItems; *item != nullptr; ++item) items.push_back(*item);
  return items;
}

bool select_alone(LWItemID item) {
  select_item(item);
  const LWInterfaceInfo *info = service_table().interface_info;
  return info != nullptr && info->selItems != nullptr && info->selItems[0] == item &&
         info->selItems[1] == nullptr;
}

void select_item(LWItemID item) {
  if (item == nullptr) return;
  run_command(item_command("SelectItem", item));
  refresh_interface_info();
}

namespace {

// The entries of the host type of the last usable one, from the end towards
// the start; `repeats` says whether the list may hold an item twice.
ItemList same_type_from_end(LWItemInfo *info, const ItemList &items, bool repeats) {
  ItemList taken;
  ItemMarks seen(repeats ? items.size() : 0);
  LWItemType reference = 0;
  for (auto it = items.rbegin(); it != items.rend(); ++it) {
    LWItemID item = *it;
    if (item == nullptr || (repeats && seen.has(item))) continue;
    LWItemType type = info->type(item);
    if (taken.empty()) reference = type;
    else if (type != reference) continue;
    if (repeats) seen.set(item);
    taken.push_back(item);
  }
  return taken;
}

void select_taken(const ItemList &taken) {
  if (taken.empty()) return;
  run_command(item_command("SelectItem", taken.front()));
  for (std::size_t i = 1; i < taken.size(); ++i) run_command(item_command("AddToSelection", taken[i]));
  refresh_interface_info();
}

}  // namespace

void select_same_type(const ItemList &items) {
  LWItemInfo *info = item_info();
  if (info == nullptr) return;
  select_taken(same_type_from_end(info, items, true));
}

void select_distinct_same_type(const ItemList &items) {
  LWItemInfo *info = item_info();
  if (info == nullptr) return;
  select_taken(same_type_from_end(info, items, false));
}

// Written directly rather than through format_text: a selection sends one
// command per item, and measuring and then formatting through printf cost
// several times what the host spends on the command.
std::string item_command(std::string_view verb, LWItemID item) {
  static constexpr char kDigits[] = "0123456789abcdef";
  char hex[8];
  std::size_t count = 0;
  unsigned int bits = item_id_bits(item);
  do {
    hex[count++] = kDigits[bits & 15u];
    bits >>= 4;
  } while (bits != 0);
  std::string command;
  command.reserve(verb.size() + 3 + count);
  command.append(verb).append(" 0x");
  while (count > 0) command.push_back(hex[--count]);
  return command;
}

ItemList scene_items() {
  ItemList items;
  for_each_scene_item([&](LWItemID item) { items.push_back(item); });
  return items;
}

LWItemID find_item(const std::string &name) {
  const std::string wanted = lower_case(name);
  for (LWItemID item : scene_items())
    if (lower_case(item_name(item)) == wanted) return item;
  return nullptr;
}

ItemList items_matching(const Regex &re) {
  ItemList matches;
  for_each_scene_item([&](LWItemID item) {
    if (regex_full_match(name_view(item), re)) matches.push_back(item);
  });
  return matches;
}

ItemList items_matching_wildcard(const std::string &pattern) {
  return items_matching(wildcard_to_regex(pattern));
}

ItemList items_matching_wildcards(const std::vector<std::string> &patterns) {
  std::vector<Regex> compiled;
  compiled.reserve(patterns.size());
  for (const std::string &pattern : patterns) compiled.push_back(wildcard_to_regex(pattern));
  // Only matches are marked, so the table stays the size of the result; an
  // item the host lists twice matches again and is then passed over.
  ItemList matches;
  ItemMarks taken;
  for_each_scene_item([&](LWItemID item) {
    const std::string_view name = name_view(item);
    const bool matched = std::any_of(compiled.begin(), compiled.end(),
                                     [&](const Regex &re) { return regex_full_match(name, re); });
    if (matched && taken.set(item)) matches.push_back(item);
  });
  return matches;
}

ItemKind item_kind(LWItemID item) {
  LWItemInfo *info = item_info();
  if (info == nullptr || item == nullptr) return kOtherItem;
  switch (info->type(item)) {
    case LWI_OBJECT: return object_file_name(item).empty() ? kNullObject : kMeshObject;
    case LWI_BONE: return kBoneItem;
    case LWI_LIGHT: return kLightItem;
    case LWI_CAMERA: return kCameraItem;
    default: return kOtherItem;
  }
}

namespace {

// Whole name matches ".*\.lwo" in any letter case: it ends in the four characters ".lwo" (ASCII case folded)
// and holds no line break, which "." never takes.
bool names_lwo_file(const std::string &name) {
  const CodePage code_page = host_code_page();
  if (name.size() < 4 || !is_char_boundary(code_page, name, name.size() - 4)) return false;
  std::string tail = name.substr(name.size() - 4);
  for (char &c : tail)
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
  return tail == ".lwo" && find_char_of(code_page, name, "\n\r") == std::string::npos;
}

}  // namespace

std::string object_file_name(LWItemID object) {
  LWObjectInfo *info = service_table().object_info;
  if (info == nullptr || object == nullptr) return std::string();
  const char *file = info->filename(object);
  if (file == nullptr || *file == '\0') return std::string();
  std::string name(file);
  return names_lwo_file(name) ? name : std::string();
}

}  // namespace qb
