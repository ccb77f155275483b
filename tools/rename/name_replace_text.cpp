// Language choice for "QB:NameReplace", made again at every activation so
// that the panel, rebuilt each time, follows the host's current locale.
#include "tools/rename/name_replace_text.h"

#include "toolkit/text/code_page.h"
#include "tools/tools.h"

namespace qb::rename {

const char *const *g_name_replace_text = kNameReplaceTextEn;

ChoiceLists &name_replace_choices() {
  static ChoiceLists lists;
  return lists;
}

void select_name_replace_language(unsigned long locale) {
  ChoiceLists &choices = name_replace_choices();
  choices.clear();
  const bool japanese = locale_is_japanese(locale);
  g_name_replace_text =
      japanese ? in_host_code(kNameReplaceTextJa, utf8::kNameReplaceTextJa) : kNameReplaceTextEn;
  choices.add(
      japanese ? in_host_code(kNameReplaceTargetJa, utf8::kNameReplaceTargetJa) : kNameReplaceTargetEn,
      kTargetItemCount);
  choices.add(japanese ? in_host_code(kNameReplaceModeJa, utf8::kNameReplaceModeJa) : kNameReplaceModeEn,
              kModeItemCount);
}

}  // namespace qb::rename
