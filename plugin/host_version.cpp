// Which hosts the module runs in: Layout 15.x only, which spans both interface
// generations: 2018 (activation version 6) and 2020 to 2025 (version 7).
#include <cstdint>

#include "plugin/frame.h"

namespace qb {

ProductVersion decode_product_version(uint32_t value) {
  ProductVersion version;
  version.product = LWINF_GETPRODUCT(value);
  version.build = LWINF_GETBUILD(value);
  version.minor = LWINF_GETMINOR(value);
  version.major = LWINF_GETMAJOR(value);
  version.model_year = LWINF_GETMODELYEAR(value);
  return version;
}

bool host_is_supported(GlobalFunc *global, ProductVersion &version) {
  if (global == nullptr) return false;
  // The service answers the number itself in place of a pointer.
  void *answer = global(LWPRODUCTINFO_GLOBAL, GFUSE_TRANSIENT);
  version = decode_product_version(static_cast<uint32_t>(reinterpret_cast<std::uintptr_t>(answer)));
  return version.major == kSupportedMajorVersion;
}

bool generation_of_version(int version, Generation &generation) {
  if (version == LWLAYOUTGENERIC_VERSION)
    generation = Generation::Layout2018;
  else if (version == LWLAYOUTGENERIC_VERSION_2020)
    generation = Generation::Layout2020;
  else
    return false;
  return true;
}

}  // namespace qb
