#include <windows.h>

#include "host/core/platform.h"

namespace qbhost {

bool system_code_page_is_shift_jis() { return GetACP() == 932; }

}  // namespace qbhost
