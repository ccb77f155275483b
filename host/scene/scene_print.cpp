// `print scene`: a line with the scene's size and mode, then one line per
// item in scene order (objects each followed by their bones, then lights,
// then cameras) with all of its state.
#include <string>
#include <vector>

#include "host/core/host_state.h"
#include "host/core/text.h"

namespace qbhost {
namespace {

const char *kind_word(const Item &item) {
  switch (item.type) {
    case ItemType::Object: return item.is_mesh() ? "mesh" : "null";
    case ItemType::Bone: return "bone";
    case ItemType::Light: return "light";
    case ItemType::Camera: return "camera";
  }
  return "?";
}

std::string describe_item(const Item &item, TextCode jp) {
  std::string line = hex(item.id) + " " + kind_word(item) + " " + quoted(item.name, jp);
  if (item.type == ItemType::Bone) line += " object=" + hex(item.object);
  line += " parent=" + (item.parent == 0 ? std::string("none") : hex(item.parent));
  line += (item.is_object() ? " display=" : " visible=") + std::to_string(item.display);
  line += item.active ? " active" : " inactive";
  if (item.is_object()) line += " file=" + quoted(item.file, jp) + " layer=" + std::to_string(item.layer);
  line += " children=";
  if (item.children.empty()) line += "none";
  for (std::size_t i = 0; i < item.children.size(); ++i)
    line.append(i == 0 ? "" : ",").append(hex(item.children[i]));
  return line;
}

}  // namespace

std::vector<std::string> describe_scene(const HostState &host) {
  const TextCode jp = text_code(host);
  std::vector<std::string> lines;
  const bool in_place = (host.scene.general_flags & LWGENF_PARENTINPLACE) != 0;
  lines.push_back("scene items=" + std::to_string(host.scene.size()) +
                  " parent-in-place=" + (in_place ? "on" : "off"));
  for (ItemId id : host.scene.scene_order()) lines.push_back(describe_item(*host.scene.item(id), jp));
  return lines;
}

}  // namespace qbhost
