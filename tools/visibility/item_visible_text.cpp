// Language choice of "QB:ItemVisible", made at every activation: English, or
// Japanese in the host's code page (Shift-JIS in the 2018 generation, UTF-8
// in the 2020 one).
#include "tools/visibility/item_visible_text.h"

#include "toolkit/text/code_page.h"
#include "tools/tools.h"

namespace qb::item_visible {

const char *const *g_item_visible_labels = kItemVisibleLabelsEn;

ChoiceLists &item_visible_choices() {
  static ChoiceLists lists;
  return lists;
}

void select_item_visible_language(unsigned long locale) {
  ChoiceLists &lists = item_visible_choices();
  lists.clear();
  const bool japanese = locale_is_japanese(locale);
  if (!japanese) {
    g_item_visible_labels = kItemVisibleLabelsEn;
    lists.add(kScopeChoicesEn, kScopeChoiceCount);
    lists.add(kDisplayChoicesEn, kDisplayChoiceCount);
    lists.add(kVisibilityChoicesEn, kVisibilityChoiceCount);
    lists.add(kActiveChoicesEn, kActiveChoiceCount);
    return;
  }
  g_item_visible_labels = in_host_code(kItemVisibleLabelsJa, utf8::kItemVisibleLabelsJa);
  lists.add(in_host_code(kScopeChoicesJa, utf8::kScopeChoicesJa), kScopeChoiceCount);
  lists.add(in_host_code(kDisplayChoicesJa, utf8::kDisplayChoicesJa), kDisplayChoiceCount);
  lists.add(in_host_code(kVisibilityChoicesJa, utf8::kVisibilityChoicesJa), kVisibilityChoiceCount);
  lists.add(in_host_code(kActiveChoicesJa, utf8::kActiveChoicesJa), kActiveChoiceCount);
}

}  // namespace qb::item_visible
