#include "bench/support/scene_gen.h"

#include <array>
#include <cstdio>

namespace qbbench {
namespace {

using qbhost::ItemId;
using qbhost::ItemOptions;

// Mesh parts in layer order of their object file.
constexpr std::array<const char *, kLayersPerFile> kMeshParts = {"Chest", "Arm_L",     "Forearm_L",
                                                                 "Arm_R", "Forearm_R", "Head"};

std::string numbered(const char *part, std::size_t c) {
  char text[64];
  std::snprintf(text, sizeof text, "%s_%03zu", part, c);
  return text;
}

std::string mesh_name(int layer, std::size_t c) {
  const std::size_t file = c % kObjectFiles;
  char text[96];
  int n = std::snprintf(text, sizeof text, "Rig_%03zu:%s_%03zu", file, kMeshParts[layer], file);
  if (c >= kObjectFiles) std::snprintf(text + n, sizeof text - n, " (%zu)", c / kObjectFiles + 1);
  return text;
}

std::string mesh_file(std::size_t c) {
  return "Objects/" + object_file_name(static_cast<int>(c % kObjectFiles));
}

ItemOptions under(ItemId parent, int layer = -1) {
  ItemOptions options;
  options.parent = parent;
  options.layer = layer;
  return options;
}

ItemId add_mesh(qbhost::Scene &scene, int layer, std::size_t c, ItemId parent) {
  return scene.add_mesh(mesh_name(layer, c), mesh_file(c), under(parent, layer + 1));
}

// Everything of character c except its chest, which was made first.
void add_character(qbhost::Scene &scene, std::size_t c, ItemId group, ItemId chest) {
  const ItemId rig = scene.add_null(numbered("Rig", c), under(group));
  const ItemId hip = scene.add_null(numbered("Hip", c), under(rig));
  const ItemId spine = scene.add_null(numbered("Spine", c), under(hip));
  scene.set_parent(chest, spine);
  const ItemId head = add_mesh(scene, 5, c, spine);
  const ItemId shoulder_l = scene.add_null(numbered("Shoulder_L", c), under(chest));
  const ItemId arm_l = add_mesh(scene, 1, c, shoulder_l);
  const ItemId elbow_l = scene.add_null(numbered("Elbow_L", c), under(arm_l));
  const ItemId forearm_l = add_mesh(scene, 2, c, elbow_l);
  scene.add_null(numbered("Hand_L", c), under(forearm_l));
  const ItemId shoulder_r = scene.add_null(numbered("Shoulder_R", c), under(chest));
  const ItemId arm_r = add_mesh(scene, 3, c, shoulder_r);
  const ItemId elbow_r = scene.add_null(numbered("Elbow_R", c), under(arm_r));
  add_mesh(scene, 4, c, elbow_r);
  const ItemId bone_l = scene.add_bone(chest, numbered("Bone_Arm_L", c));
  scene.add_bone(chest, numbered("Bone_Forearm_L", c), under(bone_l));
  const ItemId bone_r = scene.add_bone(chest, numbered("Bone_Arm_R", c));
  scene.add_bone(chest, numbered("Bone_Forearm_R", c), under(bone_r));
  scene.add_light(numbered("Spot_L", c), under(elbow_l));
  scene.add_camera(numbered("Cam", c), under(head));
}

}  // namespace

std::string object_file_name(int f) {
  char text[32];
  std::snprintf(text, sizeof text, "Rig_%03d.lwo", f);
  return text;
}

std::vector<std::string> file_layer_names(int f) {
  std::vector<std::string> names;
  for (const char *part : kMeshParts) names.push_back(numbered(part, static_cast<std::size_t>(f)));
  return names;
}

GeneratedScene build_scene(qbhost::Scene &scene, std::size_t items) {
  scene.clear();
  GeneratedScene made;
  made.characters = items > kGroups ? (items - kGroups + kItemsPerCharacter / 2) / kItemsPerCharacter : 1;
  scene.reserve(made.characters * kItemsPerCharacter + kGroups);
  // Bone identifiers exist only for the first 65,536 objects: the chests,
  // which carry the bones, are made first.
  std::vector<ItemId> chests;
  chests.reserve(made.characters);
  for (std::size_t c = 0; c < made.characters; ++c) chests.push_back(add_mesh(scene, 0, c, 0));
  for (int g = 0; g < kGroups; ++g) made.groups.push_back(scene.add_null("Group_" + std::to_string(g)));
  for (std::size_t c = 0; c < made.characters; ++c)
    add_character(scene, c, made.groups[c % kGroups], chests[c]);
  made.items = scene.size();
  return made;
}

}  // namespace qbbench
