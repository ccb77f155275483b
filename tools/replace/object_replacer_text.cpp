// The object replacer's texts in Japanese and English, and the choice between
// them at every activation: English, or Japanese in the host's code page
// (Shift-JIS in the 2018 generation, UTF-8 in the 2020 one).  Written in
// UTF-8; the build compiles the tables as they are (namespace utf8) and as
// Shift-JIS (namespace shift_jis); the choice is compiled once, with the
// UTF-8 copy.
#include "tools/replace/object_replacer_text.h"

#ifdef QB_TEXT_LANGUAGE_CHOICE
#include "toolkit/text/code_page.h"
#include "tools/tools.h"
#endif

namespace qb::replace::QB_TEXT_CODE {

const char *const kObjectReplacerLabelsJa[kObjectReplacerLabelCount] = {
    "", "", "実行", "対象", "モード", "ファイル", "ディレクトリ", "",
};
const char *const kObjectReplacerLabelsEn[kObjectReplacerLabelCount] = {
    "", "", "Run", "Target", "Mode", "File", "Directory", "",
};

const char *const kObjectReplacerMarksJa[kObjectReplacerMarkCount] = {"o", "x"};
const char *const kObjectReplacerMarksEn[kObjectReplacerMarkCount] = {"v", "o"};

const char *const kObjectReplacerMessagesJa[kObjectReplacerMessageCount] = {
    "QB:ObjectReplacer: パスが長すぎるため、置き換えませんでした。",
};
const char *const kObjectReplacerMessagesEn[kObjectReplacerMessageCount] = {
    "QB:ObjectReplacer: The path is too long; nothing was replaced.",
};

// Handed to the host's controls, which take plain text arrays.
const char *kScopesJa[] = {"選択アイテム", "選択アイテムと子孫", "全部のアイテム", nullptr};
const char *kScopesEn[] = {"Select Item", "Select Item + Children", "All Item", nullptr};
const char *kModesJa[] = {"ファイル指定", "ディレクトリ指定", nullptr};
const char *kModesEn[] = {"Select file", "Select directory", nullptr};
// The result list asks for its titles by column, so this list has no terminator.
const char *kColumnsJa[] = {"アイテム名", "レイヤー", "ファイル名", "結果"};
const char *kColumnsEn[] = {"Item", "Layer", "File", "Result"};

}  // namespace qb::replace::QB_TEXT_CODE

#ifdef QB_TEXT_LANGUAGE_CHOICE

namespace qb::replace {

const char *const *g_object_replacer_labels = kObjectReplacerLabelsEn;
const char *const *g_object_replacer_marks = kObjectReplacerMarksEn;
const char *const *g_object_replacer_messages = kObjectReplacerMessagesEn;

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
    g_object_replacer_messages = kObjectReplacerMessagesEn;
    choices.add(shift_jis::kScopesEn, 4);
    choices.add(shift_jis::kModesEn, 3);
    choices.add(shift_jis::kColumnsEn, 4);
    return;
  }
  g_object_replacer_labels = in_host_code(kObjectReplacerLabelsJa, utf8::kObjectReplacerLabelsJa);
  g_object_replacer_marks = in_host_code(kObjectReplacerMarksJa, utf8::kObjectReplacerMarksJa);
  g_object_replacer_messages = in_host_code(kObjectReplacerMessagesJa, utf8::kObjectReplacerMessagesJa);
  choices.add(in_host_code(shift_jis::kScopesJa, utf8::kScopesJa), 4);
  choices.add(in_host_code(shift_jis::kModesJa, utf8::kModesJa), 3);
  choices.add(in_host_code(shift_jis::kColumnsJa, utf8::kColumnsJa), 4);
}

}  // namespace qb::replace

#endif  // QB_TEXT_LANGUAGE_CHOICE
