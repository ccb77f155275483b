// Placeholder until the tool is built: the frame's common steps run, then 0.
#include "plugin/tools.h"

namespace qb {
int run_item_tools() { return 0; }
}  // namespace qb
