// Which hosts the module runs in: Layout 15.x only.
#include <cstdint>

#include "plugin/frame.h"

namespace qb {

unsigned product_major_version(uint32_t value) { return LWINF_GETMAJOR(value); }

bool host_is_supported(GlobalFunc *global) {
  if (global == nullptr) return false;
  // The service answers the number itself in place of a pointer.
  void *answer = global(LWPRODUCTINFO_GLOBAL, GFUSE_TRANSIENT);
  auto value = static_cast<uint32_t>(reinterpret_cast<std::uintptr_t>(answer));
  return product_major_version(value) == kSupportedMajorVersion;
}

}  // namespace qb
