// The rename run behind "QB:NameReplace": targets by scope and type, a new
// name for each, "SelectItem" and "Rename" commands, progress in the status
// line, and the selection given back at the end.
#pragma once

#include <string>

#include "abi/host_api.h"
#include "tools/rename/rename_settings.h"

namespace qb::rename {

inline constexpr const char *kNameReplaceServer = "QB:NameReplace";

void rename_items(const RenameSettings &settings);

}  // namespace qb::rename
