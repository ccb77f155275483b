// Second library layer: a panel field's text.
#pragma once

#include <string>

#include "abi/host_api.h"

namespace lwtool2 {

// Value tag 4 through a buffer local to the call (512 bytes).
std::string read_control_text(LWControl *control);

}  // namespace lwtool2
