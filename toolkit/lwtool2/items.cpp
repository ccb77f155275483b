// Second layer: item lists and selection through the lwtool2 service set;
// changes go out through evalf, which reports refused commands.
#include "toolkit/lwtool2/items.h"

#include <string>
#include <string_view>
#include <utility>

#include "toolkit/exceptions.h"
#include "toolkit/lwtool2/eval.h"
#include "toolkit/lwtool2/services.h"
#include "toolkit/text/code_page.h"

namespace lwtool2 {
namespace {

LWItemInfo *item_info() { return services().item_info; }

// Walks the descendants of `root` depth first, pre-order, with an explicit
// stack so that hierarchies of any depth fit.  visit(child) answers whether
// to go below that child.
template <class Visit>
void walk_descendants(LWItemInfo *info, LWItemID root, Visit &&visit) {
  if (info == nullptr || root == nullptr) return;
  // Each entry: a parent and the child visited last (null: none yet).
  std::vector<std::pair<LWItemID, LWItemID>> stack;
  stack.emplace_back(root, nullptr);
  while (!stack.empty()) {
    auto &[parent, previous] = stack.back();
    LWItemID child = previous == nullptr ? info->firstChild(parent) : info->nextChild(parent, previous);
    if (child == nullptr) {
      stack.pop_back();
      continue;
    }
    previous = child;
    if (visit(child)) stack.emplace_back(child, nullptr);
  }
}

void append_scene_walk(HashedItemList &list, bool unique) {
  LWItemInfo *info = item_info();
  if (info == nullptr) return;
  auto add = [&](LWItemID item) {
    if (unique) list.append_unique(item);
    else list.append(item);
  };
  for (LWItemID object = info->first(LWI_OBJECT, nullptr); object != nullptr; object = info->next(object)) {
    add(object);
    for (LWItemID bone = info->first(LWI_BONE, object); bone != nullptr; bone = info->next(bone)) add(bone);
  }
  for (LWItemType type : {LWI_LIGHT, LWI_CAMERA, LWI_BONE})
    for (LWItemID item = info->first(type, nullptr); item != nullptr; item = info->next(item)) add(item);
}

// "^.*\.lwo$" as a whole, read directly rather than through the matcher
// (every item of a run is classified): "." takes any character but a line
// break, and ".lwo" starts a character; where the file system ignores letter
// case, ".LWO" is the same ending.
bool is_lwo_file_name(const char *file, qb::PathStyle style) {
  if (file == nullptr) return false;
  const qb::CodePage code_page = qb::host_code_page();
  const std::string_view name(file);
  const bool lwo = qb::ignores_letter_case(style) ? qb::ends_with_text_ignoring_case(code_page, name, ".lwo")
                                                  : qb::ends_with_text(code_page, name, ".lwo");
  return lwo && qb::find_char_of(code_page, name, "\n\r") == std::string_view::npos;
}

template <class Each>
void for_each_selected(Each &&each) {
  LWInterfaceInfo *info = services().interface_info;
  if (info == nullptr || info->selItems == nullptr) return;
  for (const LWItemID *item = info->selItems; *item != nullptr; ++item) each(*item);
}

}  // namespace

void HashedItemList::append(LWItemID item) {
  items_.push_back(item);
  members_.set(item);
}

bool HashedItemList::append_unique(LWItemID item) {
  if (!members_.set(item)) return false;
  items_.push_back(item);
  return true;
}

void refresh_interface_info() {
  void *info =
      g_global == nullptr ? nullptr : g_global(qb::host_service(LWINTERFACEINFO_GLOBAL), GFUSE_TRANSIENT);
  if (info == nullptr) {
    const std::string message = "g_global( LWINTERFACEINFO_GLOBAL, GFUSE_TRANSIENT )";
    status_error(message);
    throw lw::ex::CBaseEx(0, message);
  }
  services().interface_info = static_cast<LWInterfaceInfo *>(info);
}

std::string item_name(LWItemID item) {
  const LWItemInfo *info = item_info();
  const char *name = info != nullptr ? info->name(item) : nullptr;
  return name != nullptr ? std::string(name) : std::string();
}

bool select_alone(LWItemID item) {
  evalf("SelectItem 0x%x", qb::item_id_bits(item));
  refresh_interface_info();
  const LWInterfaceInfo *info = services().interface_info;
  return info != nullptr && info->selItems != nullptr && info->selItems[0] == item &&
         info->selItems[1] == nullptr;
}

HashedItemList descendant_list(LWItemID item) {
  HashedItemList list;
  // Below a child only when it is new to the list: a tree never repeats an
  // item, and a host that did would otherwise be walked without end.
  walk_descendants(item_info(), item, [&](LWItemID child) { return list.append_unique(child); });
  return list;
}

HashedItemList selection_list(Descendants descendants) {
  refresh_interface_info();
  HashedItemList list;
  for_each_selected([&](LWItemID item) {
    // An item already listed came with its whole subtree: walking it again
    // would add nothing and cost quadratic time on deep selected chains.
    if (!list.append_unique(item) || descendants != Descendants::kIncluded) return;
    for (LWItemID child : descendant_list(item)) list.append_unique(child);
  });
  return list;
}

void append_selection(HashedItemList &list) {
  refresh_interface_info();
  for_each_selected([&](LWItemID item) { list.append_unique(item); });
}

void append_selection_with_descendants(HashedItemList &list) {
  refresh_interface_info();
  // Items whose subtree this call has already added; the list itself may hold
  // items from before whose descendants are not in it.
  qb::ItemMarks covered;
  for_each_selected([&](LWItemID item) {
    list.append_unique(item);
    if (!covered.set(item)) return;
    HashedItemList descendants;
    append_descendants(descendants, item);
    for (LWItemID child : descendants) {
      list.append_unique(child);
      covered.set(child);
    }
  });
}

void append_descendants(HashedItemList &list, LWItemID item) {
  // Children already in the list are still walked below; `visited` only
  // guards against a host whose hierarchy loops.
  qb::ItemMarks visited;
  walk_descendants(item_info(), item, [&](LWItemID child) {
    list.append_unique(child);
    return visited.set(child);
  });
}

void select_list(const HashedItemList &list) {
  const std::size_t n = list.size();
  for (std::size_t i = 0; i < n; ++i)
    evalf("%s 0x%x", i == 0 ? "SelectItem" : "AddToSelection", qb::item_id_bits(list[n - 1 - i]));
  refresh_interface_info();
}

HashedItemList scene_item_list() {
  HashedItemList list;
  append_scene_walk(list, false);
  return list;
}

void append_scene_items(HashedItemList &list) { append_scene_walk(list, true); }

HashedItemList mesh_objects() {
  HashedItemList list;
  LWItemInfo *info = item_info();
  if (info == nullptr) return list;
  for (LWItemID object = info->first(LWI_OBJECT, nullptr); object != nullptr; object = info->next(object))
    if (classify_item(object) == qb::kMeshObject) list.append(object);
  return list;
}

qb::ItemKind classify_item(LWItemID item, qb::PathStyle style) {
  LWItemInfo *info = item_info();
  if (info == nullptr || item == nullptr) return qb::kOtherItem;
  switch (info->type(item)) {
    case LWI_OBJECT: {
      LWObjectInfo *objects = services().object_info;
      const char *file = objects == nullptr ? nullptr : objects->filename(item);
      return is_lwo_file_name(file, style) ? qb::kMeshObject : qb::kNullObject;
    }
    case LWI_BONE: return qb::kBoneItem;
    case LWI_LIGHT: return qb::kLightItem;
    case LWI_CAMERA: return qb::kCameraItem;
    default: return qb::kOtherItem;
  }
}

}  // namespace lwtool2
