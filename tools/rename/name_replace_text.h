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

// The tables (Shift-JIS in the Japanese ones); the item lists end in null.
extern const char *const kNameReplaceTextEn[kNameReplaceTextCount];
extern const char *const kNameReplaceTextJa[kNameReplaceTextCount];
extern const char *const kNameReplaceMessagesEn[kNameReplaceMessageCount];
extern const char *const kNameReplaceMessagesJa[kNameReplaceMessageCount];
extern const char *kNameReplaceTargetEn[kTargetItemCount + 1];
extern const char *kNameReplaceTargetJa[kTargetItemCount + 1];
extern const char *kNameReplaceModeEn[kModeItemCount + 1];
extern const char *kNameReplaceModeJa[kModeItemCount + 1];

}  // namespace qb::rename
