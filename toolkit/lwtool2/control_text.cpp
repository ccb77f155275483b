#include "toolkit/lwtool2/control_text.h"

#include "toolkit/base/control_text.h"

namespace lwtool2 {

std::string read_control_text(LWControl *control) {
  char buffer[qb::kControlTextBufferSize];
  return qb::read_control_text_into(control, buffer, qb::kControlTextBufferSize);
}

}  // namespace lwtool2
