// What a rename run reads: which items (scope and item types) and how their
// new names are made (mode and its texts).  The rename panel owns one record
// and keeps it for as long as the module stays loaded.
#pragma once

#include <cstdint>

#include "toolkit/text/text_buffer.h"

namespace qb {

inline constexpr int32_t kScopeSelection = 0;
inline constexpr int32_t kScopeSelectionWithChildren = 1;
inline constexpr int32_t kScopeAllItems = 2;

inline constexpr int32_t kModeChange = 0;
inline constexpr int32_t kModePrefix = 1;
inline constexpr int32_t kModeSuffix = 2;
inline constexpr int32_t kModeReplace = 3;
inline constexpr int32_t kModeRegex = 4;

struct RenameSettings {
  int32_t scope = kScopeSelection;
  int32_t include_null = 1;
  int32_t include_bone = 1;
  int32_t include_camera = 0;
  int32_t include_light = 0;
  int32_t mode = kModeReplace;
  TextBuffer change_text;
  TextBuffer prefix_text;
  TextBuffer suffix_text;
  TextBuffer search_text{"_L_"};
  TextBuffer replace_text{"_R_"};
  TextBuffer pattern_text{"_[Ll]_"};
  TextBuffer pattern_replace_text{"_R_"};
};

}  // namespace qb
