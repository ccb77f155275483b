// Placeholder until the tool is built: the frame's common steps run, then 0.
#include "plugin/tools.h"

namespace qb {
void select_item_visible_language(GlobalFunc *) {}
}  // namespace qb
