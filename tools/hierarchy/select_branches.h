// Branch selection: a set of roots together with everything below them.
// Shared by "QB:SelectBranch" and the item tools panel.
#pragma once

#include "toolkit/items/items.h"

namespace qb::hierarchy {

// The roots that share the kind of the first root (null and mesh objects
// count as one kind), each followed by nothing; then, root by root, the
// root's descendants breadth first.  Every item appears once, at its first
// place.
ItemList branch_list(const ItemList &roots);

// Selects branch_list(roots), first entry first, keeping only the host type
// of the first root: "SelectItem" for the first root, "AddToSelection" for
// the others.  Nothing happens for an empty list of roots.
void select_branches(const ItemList &roots);

}  // namespace qb::hierarchy
