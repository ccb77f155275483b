// Generated scenes of many rigged characters.
//
// A character is 20 items: 8 nulls, 6 mesh objects, 4 bones, a light and a
// camera, in a hierarchy that reaches ten levels below its group null
// (Group_3 > Rig_012 > Hip_012 > Spine_012 > Chest > Shoulder_L_012 > Arm_L >
// Elbow_L_012 > Forearm_L > Hand_L_012).  Meshes are named as the host names
// the layers of a multi-layer object file, "Rig_012:Arm_L_012", with the
// host's " (2)" counter when the same file is loaded again: character c uses
// the file Rig_<c mod 1000>, so every mesh has a layer in the directory of
// 1,000 object files whatever the size of the scene.  Other items have unique
// names such as Shoulder_L_012 or Bone_Arm_L_51234.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

#include "host/scene/scene.h"

namespace qbbench {

inline constexpr int kGroups = 10;
inline constexpr int kItemsPerCharacter = 20;
inline constexpr int kObjectFiles = 1000;
inline constexpr int kLayersPerFile = 6;

struct GeneratedScene {
  std::size_t items = 0;
  std::size_t characters = 0;
  std::vector<qbhost::ItemId> groups;  // the group nulls, roots of the hierarchy
};

// Replaces the host's scene with about `items` items (whole characters plus
// the group nulls).
GeneratedScene build_scene(qbhost::Scene &scene, std::size_t items);

// The layer names of object file f (0-based), in layer order.
std::vector<std::string> file_layer_names(int f);
std::string object_file_name(int f);  // "Rig_012.lwo"

}  // namespace qbbench
