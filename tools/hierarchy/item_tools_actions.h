// The four operations of the item tools panel, on the scene and the
// selection; the panel hands them the texts and the option it holds.
#pragma once

#include <optional>
#include <string>

namespace qb::hierarchy {

// Parents the selection to the first item named `parent_name` (letter case
// ignored), in the host's parent-in-place mode when `in_place`; the host's
// own mode is as it was afterwards.  An empty name does nothing; a name that
// fills the field's buffer names no item.
void parent_selection(const std::string &parent_name, bool in_place);

// Removes the parent of every selected item, then selects them again.
void unparent_selection();

// The whole text is one wildcard pattern; one that fills the field's buffer
// matches nothing.
void select_by_pattern(const std::string &pattern);

// The selection with everything below it.
void select_branches_of_selection();

// The name of the last selected item; nothing when the selection is empty.
std::optional<std::string> name_to_pick();

}  // namespace qb::hierarchy
