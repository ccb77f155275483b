// Placeholder until the tool is built: the frame's common steps run, then 0.
#include "plugin/tools.h"

namespace qb {
void run_toggle_visible(const Words &) {}
}  // namespace qb
