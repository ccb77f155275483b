// Texts of the object replacer ("QB:ObjectReplacer"): panel labels, result
// marks and the choice lists of its popup, choice and result list.
#pragma once

#include "abi/host_api.h"
#include "toolkit/panel.h"

namespace qb::replace {

inline constexpr int kObjectReplacerLabelCount = 8;
inline constexpr int kObjectReplacerMarkCount = 2;
inline constexpr int kObjectReplacerMessageCount = 1;

// Label indices.
inline constexpr int kLabelBorder = 1;
inline constexpr int kLabelRun = 2;
inline constexpr int kLabelScope = 3;
inline constexpr int kLabelMode = 4;
inline constexpr int kLabelFile = 5;
inline constexpr int kLabelDirectory = 6;

// Mark indices.
inline constexpr int kMarkSuccess = 0;
inline constexpr int kMarkFailure = 1;

// Message indices.
inline constexpr int kMsgPathTooLong = 0;  // the path of the mode fills its field

// Positions in the choice lists.
inline constexpr int kChoiceScopes = 0;
inline constexpr int kChoiceModes = 1;
inline constexpr int kChoiceColumnTitles = 2;

// Current-language tables, set by select_object_replacer_language (English
// until the first activation).
extern const char *const *g_object_replacer_labels;
extern const char *const *g_object_replacer_marks;
extern const char *const *g_object_replacer_messages;
ChoiceLists &object_replacer_choices();

// The tables themselves, built twice from one source: with the Japanese texts
// in Shift-JIS and in UTF-8.
#define QB_OBJECT_REPLACER_TABLES                                                  \
  extern const char *const kObjectReplacerLabelsJa[kObjectReplacerLabelCount];     \
  extern const char *const kObjectReplacerLabelsEn[kObjectReplacerLabelCount];     \
  extern const char *const kObjectReplacerMarksJa[kObjectReplacerMarkCount];       \
  extern const char *const kObjectReplacerMarksEn[kObjectReplacerMarkCount];       \
  extern const char *const kObjectReplacerMessagesJa[kObjectReplacerMessageCount]; \
  extern const char *const kObjectReplacerMessagesEn[kObjectReplacerMessageCount]; \
  extern const char *kScopesJa[4];                                                 \
  extern const char *kScopesEn[4];                                                 \
  extern const char *kModesJa[3];                                                  \
  extern const char *kModesEn[3];                                                  \
  extern const char *kColumnsJa[4];                                                \
  extern const char *kColumnsEn[4];
namespace shift_jis {
QB_OBJECT_REPLACER_TABLES
}
namespace utf8 {
QB_OBJECT_REPLACER_TABLES
}
#undef QB_OBJECT_REPLACER_TABLES
using shift_jis::kObjectReplacerLabelsEn;
using shift_jis::kObjectReplacerLabelsJa;
using shift_jis::kObjectReplacerMarksEn;
using shift_jis::kObjectReplacerMarksJa;
using shift_jis::kObjectReplacerMessagesEn;
using shift_jis::kObjectReplacerMessagesJa;

}  // namespace qb::replace
