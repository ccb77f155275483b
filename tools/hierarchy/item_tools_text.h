// Texts of the item tools ("QB:ItemTools", "QB:SelectBranch", "QB:SelectItem").
#pragma once

#include "abi/host_api.h"

namespace qb::hierarchy {

inline constexpr int kItemToolsTextCount = 21;
inline constexpr int kItemToolsMessageCount = 6;

// Current-language tables, set by select_item_tools_language (tools/tools.h).
extern const char *const *g_item_tools_text;      // panel labels by index
extern const char *const *g_item_tools_messages;  // status messages by index

// Indices of the message table.
inline constexpr int kMsgParentNotFound = 1;
inline constexpr int kMsgParentInSelection = 4;
// English only, in every language.
inline constexpr const char *kNoItemsFound = "No items found!";

// The tables themselves (Shift-JIS in the Japanese ones).
extern const char *const kItemToolsTextJa[kItemToolsTextCount];
extern const char *const kItemToolsTextEn[kItemToolsTextCount];
extern const char *const kItemToolsMessagesJa[kItemToolsMessageCount];
extern const char *const kItemToolsMessagesEn[kItemToolsMessageCount];

}  // namespace qb::hierarchy
