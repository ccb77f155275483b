// Which hosts the module runs in: Layout 15.x only, which spans both interface
// generations: 2018 (activation version 6) and 2020 to 2025 (version 7).
#include <cstdint>

#include "plugin/frame.h"

namespace qb {

unsigned product_major_version(uint32_t value) { return LWINF_GETMAJOR(value); }

bool host_is_supported(GlobalFunc *global, ProductVersion &version) {
  if (global == nullptr) return false;
  // The service answers the number itself in place of a pointer.
  void *answer = global(LWPRODUCTINFO_GLOBAL, GFUSE_TRANSIENT);
  const auto value = static_cast<uint32_t>(reinterpret_cast<std::uintptr_t>(answer));
  version.major = product_major_version(value);
  version.model_year = LWINF_GETMODELYEAR(value);
  return version.major == kSupportedMajorVersion;
}

bool generation_of_version(int version, Generation &generation) {
  if (version == LWLAYOUTGENERIC_VERSION) generation = Generation::Layout2018;
  else if (version == LWLAYOUTGENERIC_VERSION_2020) generation = Generation::Layout2020;
  else return false;
  return true;
}

}  // namespace qb
