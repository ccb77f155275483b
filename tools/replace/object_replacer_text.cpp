// The object replacer's texts in Japanese and English, and the choice
// between them at every activation.  Written in UTF-8; the build stores the
// texts as Shift-JIS, the host's Japanese code page.
#include "tools/replace/object_replacer_text.h"

#include "tools/tools.h"

namespace qb::replace {

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

const char *const *g_object_replacer_labels = kObjectReplacerLabelsEn;
const char *const *g_object_replacer_marks = kObjectReplacerMarksEn;
const char *const *g_object_replacer_messages = kObjectReplacerMessagesEn;

namespace {

// Handed to the host's controls, which take plain text arrays.
const char *scopes_ja[] = {"選択アイテム", "選択アイテムと子孫", "全部のアイテム", nullptr};
const char *scopes_en[] = {"Select Item", "Select Item + Children", "All Item", nullptr};
const char *modes_ja[] = {"ファイル指定", "ディレクトリ指定", nullptr};
const char *modes_en[] = {"Select file", "Select directory", nullptr};
// The result list asks for its titles by column, so this list has no terminator.
const char *columns_ja[] = {"アイテム名", "レイヤー", "ファイル名", "結果"};
const char *columns_en[] = {"Item", "Layer", "File", "Result"};

}  // namespace

ChoiceLists &object_replacer_choices() {
  static ChoiceLists lists;
  return lists;
}

void select_object_replacer_language(unsigned long locale) {
  ChoiceLists &choices = object_replacer_choices();
  choices.clear();
  const bool japanese = locale_is_japanese(locale);
  g_object_replacer_labels = japanese ? kObjectReplacerLabelsJa : kObjectReplacerLabelsEn;
  g_object_replacer_marks = japanese ? kObjectReplacerMarksJa : kObjectReplacerMarksEn;
  g_object_replacer_messages = japanese ? kObjectReplacerMessagesJa : kObjectReplacerMessagesEn;
  choices.add(japanese ? scopes_ja : scopes_en, 4);
  choices.add(japanese ? modes_ja : modes_en, 3);
  choices.add(japanese ? columns_ja : columns_en, 4);
}

}  // namespace qb::replace
