// Texts of the item visibility panel ("QB:ItemVisible"): one label per
// control, in creation order, and the four choice lists of its popups.
#pragma once

#include "abi/host_api.h"
#include "toolkit/panel.h"

namespace qb::item_visible {

inline constexpr int kItemVisibleLabelCount = 34;  // one per control

// Entry counts of the choice lists (without their null terminators).
inline constexpr int kScopeChoiceCount = 5;
inline constexpr int kDisplayChoiceCount = 9;
inline constexpr int kVisibilityChoiceCount = 3;
inline constexpr int kActiveChoiceCount = 3;

// Positions in the choice lists, in the order they are appended.
inline constexpr int kChoiceScope = 0;
inline constexpr int kChoiceDisplay = 1;     // Mesh and Null rows
inline constexpr int kChoiceVisibility = 2;  // Bone, Camera and Light rows
inline constexpr int kChoiceActive = 3;

// Current-language labels, set by select_item_visible_language (English
// until the first activation).
extern const char *const *g_item_visible_labels;
ChoiceLists &item_visible_choices();

// The tables themselves, built twice from one source: with the Japanese texts
// in Shift-JIS and in UTF-8.  The lists end with a null entry, as the host's
// popups take them.
#define QB_ITEM_VISIBLE_TABLES                                           \
  extern const char *const kItemVisibleLabelsJa[kItemVisibleLabelCount]; \
  extern const char *const kItemVisibleLabelsEn[kItemVisibleLabelCount]; \
  extern const char *kScopeChoicesJa[kScopeChoiceCount + 1];             \
  extern const char *kScopeChoicesEn[kScopeChoiceCount + 1];             \
  extern const char *kDisplayChoicesJa[kDisplayChoiceCount + 1];         \
  extern const char *kDisplayChoicesEn[kDisplayChoiceCount + 1];         \
  extern const char *kVisibilityChoicesJa[kVisibilityChoiceCount + 1];   \
  extern const char *kVisibilityChoicesEn[kVisibilityChoiceCount + 1];   \
  extern const char *kActiveChoicesJa[kActiveChoiceCount + 1];           \
  extern const char *kActiveChoicesEn[kActiveChoiceCount + 1];
namespace shift_jis {
QB_ITEM_VISIBLE_TABLES
}
namespace utf8 {
QB_ITEM_VISIBLE_TABLES
}
#undef QB_ITEM_VISIBLE_TABLES
using shift_jis::kActiveChoicesEn;
using shift_jis::kActiveChoicesJa;
using shift_jis::kDisplayChoicesEn;
using shift_jis::kDisplayChoicesJa;
using shift_jis::kItemVisibleLabelsEn;
using shift_jis::kItemVisibleLabelsJa;
using shift_jis::kScopeChoicesEn;
using shift_jis::kScopeChoicesJa;
using shift_jis::kVisibilityChoicesEn;
using shift_jis::kVisibilityChoicesJa;

}  // namespace qb::item_visible
