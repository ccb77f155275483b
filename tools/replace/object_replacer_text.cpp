// Language choice of "QB:ObjectReplacer", made at every activation: English,
// or Japanese in the host's code page (Shift-JIS in the 2018 generation,
// UTF-8 in the 2020 one).
#include "tools/replace/object_replacer_text.h"

#include "toolkit/text/code_page.h"
#include "tools/tools.h"

namespace qb::replace {

const char *const *g_object_replacer_labels = kObjectReplacerLabelsEn;
const char *const *g_object_replacer_marks = kObjectReplacerMarksEn;

ChoiceLists &object_replacer_choices() {
  static ChoiceLists lists;
  return lists;
}

void select_object_replacer_language(unsigned long locale) {
  ChoiceLists &choices = object_replacer_choices();
  choices.clear();
  const bool japanese = locale_is_japanese(locale);
  if (!japanese) {
    g_object_replacer_labels = kObjectReplacerLabelsEn;
    g_object_replacer_marks = kObjectReplacerMarksEn;
    choices.add(shift_jis::kScopesEn, 4);
    choices.add(shift_jis::kModesEn, 3);
    choices.add(shift_jis::kColumnsEn, 4);
    return;
  }
  g_object_replacer_labels = in_host_code(kObjectReplacerLabelsJa, utf8::kObjectReplacerLabelsJa);
  g_object_replacer_marks = in_host_code(kObjectReplacerMarksJa, utf8::kObjectReplacerMarksJa);
  choices.add(in_host_code(shift_jis::kScopesJa, utf8::kScopesJa), 4);
  choices.add(in_host_code(shift_jis::kModesJa, utf8::kModesJa), 3);
  choices.add(in_host_code(shift_jis::kColumnsJa, utf8::kColumnsJa), 4);
}

}  // namespace qb::replace
