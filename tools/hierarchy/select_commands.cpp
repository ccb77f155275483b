// Placeholder until the tool is built: the frame's common steps run, then 0.
#include "plugin/tools.h"

namespace qb {
void run_select_branch(const Words &) {}
void run_select_item(const Words &) {}
}  // namespace qb
