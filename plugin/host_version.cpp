// Which hosts the module runs in: Layout 15.x only.
#include <cstdint>

#include "plugin/frame.h"

namespace qb {

ProductVersion decode_product_version(uint32_t value) {
  ProductVersion version;
  version.product = LWINF_GETPRODUCT(value);
  version.build = LWINF_GETBUILD(value);
  version.minor = LWINF_GETMINOR(value);
  version.major = LWINF_GETMAJOR(value);
  return version;
}

bool host_is_supported(GlobalFunc *global) {
  if (global == nullptr) return false;
  // The service answers the number itself in place of a pointer.
  void *answer = global(LWPRODUCTINFO_GLOBAL, GFUSE_TRANSIENT);
  auto value = static_cast<uint32_t>(reinterpret_cast<std::uintptr_t>(answer));
  return decode_product_version(value).major == kSupportedMajorVersion;
}

}  // namespace qb
