// Texts of "QB:NameReplace": one label per panel control, in control order,
// and the item lists of the Target and Mode popups, in both languages.
#pragma once

#include "abi/host_api.h"
#include "toolkit/panel.h"

namespace qb::rename {

inline constexpr int kNameReplaceTextCount = 14;  // one per control
inline constexpr int kTargetItemCount = 3;
inline constexpr int kModeItemCount = 5;

// Positions in the tool's choice lists.
inline constexpr int kTargetChoices = 0;
inline constexpr int kModeChoices = 1;

inline constexpr int kNameReplaceMessageCount = 2;
// Indices of the message table.
inline constexpr int kMsgTooLong = 0;     // a text of the mode fills its field
inline constexpr int kMsgTooComplex = 1;  // the matcher gave up on some names

// Current language, set by select_name_replace_language at every activation.
extern const char *const *g_name_replace_text;
extern const char *const *g_name_replace_messages;
ChoiceLists &name_replace_choices();

// The tables, built twice from one source: with the Japanese texts in
// Shift-JIS and in UTF-8.  The item lists end in null.
#define QB_NAME_REPLACE_TABLES                                               \
  extern const char *const kNameReplaceTextEn[kNameReplaceTextCount];        \
  extern const char *const kNameReplaceTextJa[kNameReplaceTextCount];        \
  extern const char *const kNameReplaceMessagesEn[kNameReplaceMessageCount]; \
  extern const char *const kNameReplaceMessagesJa[kNameReplaceMessageCount]; \
  extern const char *kNameReplaceTargetEn[kTargetItemCount + 1];             \
  extern const char *kNameReplaceTargetJa[kTargetItemCount + 1];             \
  extern const char *kNameReplaceModeEn[kModeItemCount + 1];                 \
  extern const char *kNameReplaceModeJa[kModeItemCount + 1];
namespace shift_jis {
QB_NAME_REPLACE_TABLES
}
namespace utf8 {
QB_NAME_REPLACE_TABLES
}
#undef QB_NAME_REPLACE_TABLES
using shift_jis::kNameReplaceMessagesEn;
using shift_jis::kNameReplaceMessagesJa;
using shift_jis::kNameReplaceModeEn;
using shift_jis::kNameReplaceModeJa;
using shift_jis::kNameReplaceTargetEn;
using shift_jis::kNameReplaceTargetJa;
using shift_jis::kNameReplaceTextEn;
using shift_jis::kNameReplaceTextJa;

}  // namespace qb::rename
