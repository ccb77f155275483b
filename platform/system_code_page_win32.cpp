#include <windows.h>

#include "platform/system_code_page.h"

namespace qb {

bool system_code_page_is_shift_jis() { return GetACP() == 932; }

}  // namespace qb
