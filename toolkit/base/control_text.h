// A panel field's text (value tag 4) as both library layers read it: each
// through a buffer of its own choosing, of the host's 512 bytes.
#pragma once

#include <string>

#include "abi/host_api.h"

namespace qb {

inline constexpr int kControlTextBufferSize = 512;  // at most 511 bytes of text from a field

// Reads the control's text into `buffer` (`size` bytes) and answers it; ""
// for a null control or one that cannot be read.  The text always ends in
// the buffer, whatever the control wrote.
std::string read_control_text_into(LWControl *control, char *buffer, int size);

}  // namespace qb
