// What a rename run reads: which items (scope and item types) and how their
// new names are made (mode and its texts).  The rename panel owns one record
// and keeps it for as long as the module stays loaded.
#pragma once

#include <cstdint>

#include "toolkit/text/text_buffer.h"

namespace qb::rename {

// The Target popup's entries, by index: the panel stores its value as is,
// and a value outside the list selects no items.
enum class Scope : int32_t { kSelection = 0, kSelectionWithChildren = 1, kAllItems = 2 };

// The Mode popup's entries, by index; a value outside the list leaves every
// name as it is.
enum class Mode : int32_t { kChange = 0, kPrefix = 1, kSuffix = 2, kReplace = 3, kRegex = 4 };

struct RenameSettings {
  Scope scope = Scope::kSelection;
  int32_t include_null = 1;
  int32_t include_bone = 1;
  int32_t include_camera = 0;
  int32_t include_light = 0;
  Mode mode = Mode::kReplace;
  TextBuffer change_text;
  TextBuffer prefix_text;
  TextBuffer suffix_text;
  TextBuffer search_text{"_L_"};
  TextBuffer replace_text{"_R_"};
  TextBuffer pattern_text{"_[Ll]_"};
  TextBuffer pattern_replace_text{"_R_"};
};

}  // namespace qb::rename
