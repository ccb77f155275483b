// What both library layers say about an item without asking the host: the
// kinds they sort items into, and the identifier bits command texts carry.
#pragma once

#include <cstdint>

#include "abi/host_api.h"

namespace qb {

enum ItemKind : int {
  kNullObject = 0,
  kMeshObject = 1,
  kBoneItem = 2,
  kLightItem = 3,
  kCameraItem = 4,
  kOtherItem = 5,
};

// Host item identifiers in command texts: the low 32 bits.
inline unsigned int item_id_bits(LWItemID item) {
  return static_cast<unsigned int>(reinterpret_cast<std::uintptr_t>(item));
}

}  // namespace qb
