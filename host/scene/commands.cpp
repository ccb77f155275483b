// Command semantics.  Every command checks everything before it changes
// anything, so that a refusal leaves the scene as it was.
#include "host/scene/commands.h"

#include <charconv>

#include "host/core/text.h"

namespace qbhost {
namespace {

bool parse_decimal(std::string_view text, long &value) {
  if (text.empty()) return false;
  const char *end = text.data() + text.size();
  auto [ptr, ec] = std::from_chars(text.data(), end, value);
  return ec == std::errc() && ptr == end;
}

const Item *first_selected(const Scene &scene) {
  return scene.selection().empty() ? nullptr : scene.item(scene.selection().front());
}

bool select_item(Scene &scene, std::string_view arg) {
  ItemId id = 0;
  if (!parse_hex_id(arg, id) || !scene.contains(id)) return false;
  scene.select_only(id);
  return true;
}

bool add_to_selection(Scene &scene, std::string_view arg) {
  ItemId id = 0;
  if (!parse_hex_id(arg, id) || !scene.contains(id)) return false;
  scene.add_to_selection(id);
  return true;
}

// The new parent may be neither selected nor below a selected item.
bool parent_item(Scene &scene, std::string_view arg) {
  ItemId parent = 0;
  if (!parse_hex_id(arg, parent)) return false;
  if (parent != 0) {
    if (!scene.contains(parent)) return false;
    for (const Item *up = scene.item(parent); up != nullptr; up = scene.item(up->parent))
      if (scene.is_selected(up->id)) return false;
  }
  return scene.set_parents(scene.selection(), parent);
}

bool item_visibility(Scene &scene, std::string_view arg) {
  long code = 0;
  if (!parse_decimal(arg, code)) return false;
  for (ItemId id : scene.selection()) {
    const long highest = scene.item(id)->is_object() ? kMaxObjectDisplay : 1;
    if (code < 0 || code > highest) return false;
  }
  for (ItemId id : scene.selection()) scene.set_display(id, static_cast<int>(code));
  return true;
}

bool item_active(Scene &scene) {
  for (ItemId id : scene.selection()) scene.set_active(id, !scene.item(id)->active);
  return true;
}

bool rename(Scene &scene, std::string_view arg) {
  const Item *target = first_selected(scene);
  if (arg.empty() || target == nullptr) return false;
  scene.rename(target->id, std::string(arg));
  return true;
}

// "N PATH": the layer whose stored number is N - 1.
bool replace_object_layer(Scene &scene, LayerTables &tables, std::string_view arg) {
  const Item *target = first_selected(scene);
  if (target == nullptr || !target->is_object()) return false;
  const std::size_t blank = arg.find(' ');
  long number = 0;
  if (blank == std::string_view::npos || !parse_decimal(arg.substr(0, blank), number)) return false;
  const std::string path(arg.substr(blank + 1));
  if (number < 1 || number > 0x10000 || path.empty()) return false;
  const qb::LwoFile *file = layer_table(tables, path);
  if (file == nullptr) return false;
  const qb::LwoLayer *layer = nullptr;
  for (const qb::LwoLayer &candidate : file->layers)
    if (candidate.number == number - 1) {
      layer = &candidate;
      break;
    }
  if (layer == nullptr) return false;
  scene.set_file(target->id, path, static_cast<int>(number));
  scene.rename(target->id, replaced_object_name(path, layer->name, file->layers.size()));
  return true;
}

}  // namespace

bool parse_hex_id(std::string_view text, ItemId &id) {
  if (text.size() > 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X')) text.remove_prefix(2);
  if (text.empty() || text.size() > 8) return false;
  uint32_t value = 0;
  const char *end = text.data() + text.size();
  auto [ptr, ec] = std::from_chars(text.data(), end, value, 16);
  if (ec != std::errc() || ptr != end) return false;
  id = value;
  return true;
}

// The file's base name, the path read by characters: the file 予.lwo holds
// the byte 0x5C in its 予, which is no separator.
std::string replaced_object_name(const std::string &path, const std::string &layer_name,
                                 std::size_t layer_count) {
  const std::size_t slash = find_last_path_char_of(path, kPathSeparators);
  std::string name = slash == std::string::npos ? path : path.substr(slash + 1);
  const std::size_t dot = name.rfind('.');
  if (dot != std::string::npos && dot > 0) name.resize(dot);
  if (layer_count > 1) name += ":" + layer_name;
  return name;
}

bool execute_command(Scene &scene, CommandEffects &effects, std::string_view text) {
  const std::size_t blank = text.find(' ');
  const std::string_view name = text.substr(0, blank);
  const std::string_view arg = blank == std::string_view::npos ? std::string_view() : text.substr(blank + 1);
  if (name == "SelectItem") return select_item(scene, arg);
  if (name == "AddToSelection") return add_to_selection(scene, arg);
  if (name == "ParentItem") return parent_item(scene, arg);
  if (name == "ParentInPlace") {
    scene.general_flags ^= 4u;
    return true;
  }
  if (name == "RefreshNow") return true;
  if (name == "ItemVisibility") return item_visibility(scene, arg);
  if (name == "ItemActive") return item_active(scene);
  if (name == "Rename") return rename(scene, arg);
  if (name == "ReplaceObjectLayer") return replace_object_layer(scene, effects.layer_tables, arg);
  if (name == "StatusMsg") {
    effects.status.assign(arg);
    return true;
  }
  return false;
}

}  // namespace qbhost
