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

// The tables themselves, built twice from one source: with the Japanese texts
// in Shift-JIS and in UTF-8 (the English ones are the same in both).
#define QB_ITEM_TOOLS_TABLES                                             \
  extern const char *const kItemToolsTextJa[kItemToolsTextCount];        \
  extern const char *const kItemToolsTextEn[kItemToolsTextCount];        \
  extern const char *const kItemToolsMessagesJa[kItemToolsMessageCount]; \
  extern const char *const kItemToolsMessagesEn[kItemToolsMessageCount];
namespace shift_jis {
QB_ITEM_TOOLS_TABLES
}
namespace utf8 {
QB_ITEM_TOOLS_TABLES
}
#undef QB_ITEM_TOOLS_TABLES
using shift_jis::kItemToolsMessagesEn;
using shift_jis::kItemToolsMessagesJa;
using shift_jis::kItemToolsTextEn;
using shift_jis::kItemToolsTextJa;

}  // namespace qb::hierarchy
