#include "toolkit/base/control_text.h"

namespace qb {

std::string read_control_text_into(LWControl *control, char *buffer, int size) {
  buffer[0] = '\0';
  if (control == nullptr || control->get == nullptr) return std::string();
  LWValue value{};
  value.str.type = LWT_STRING;
  value.str.buf = buffer;
  value.str.bufLen = size;
  control->get(control, CTL_VALUE, &value);
  buffer[size - 1] = '\0';  // whatever the control wrote, the text ends in the buffer
  return std::string(buffer);
}

}  // namespace qb
