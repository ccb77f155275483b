// The rename run behind "QB:NameReplace": targets by scope and type, a new
// name for each, "SelectItem" and "Rename" commands, progress in the status
// line, and the selection given back at the end.
#pragma once

#include <string>

#include "abi/host_api.h"
#include "tools/rename/rename_settings.h"

namespace qb {

inline constexpr const char *kNameReplaceServer = "QB:NameReplace";

void rename_items(const RenameSettings &settings);

// The host's name for the item; "" when it gives none.
std::string host_item_name(LWItemID item);

}  // namespace qb
