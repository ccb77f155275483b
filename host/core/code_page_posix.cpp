#include "host/core/platform.h"

namespace qbhost {

// File names here are UTF-8 or single bytes, never Shift-JIS.
bool system_code_page_is_shift_jis() { return false; }

}  // namespace qbhost
