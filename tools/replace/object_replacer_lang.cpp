// The object replacer's texts in Japanese and English.  Written in UTF-8; the
// build compiles them as they are (namespace utf8) and as Shift-JIS
// (namespace shift_jis): only texts belong here.
#include "tools/replace/object_replacer_text.h"

namespace qb::replace::QB_TEXT_CODE {

const char *const kObjectReplacerLabelsJa[kObjectReplacerLabelCount] = {
    "", "", "実行", "対象", "モード", "ファイル", "ディレクトリ", "",
};
const char *const kObjectReplacerLabelsEn[kObjectReplacerLabelCount] = {
    "", "", "Run", "Target", "Mode", "File", "Directory", "",
};

const char *const kObjectReplacerMarksJa[kObjectReplacerMarkCount] = {"o", "x"};
const char *const kObjectReplacerMarksEn[kObjectReplacerMarkCount] = {"v", "o"};

// Handed to the host's controls, which take plain text arrays.
const char *kScopesJa[] = {"選択アイテム", "選択アイテムと子孫", "全部のアイテム", nullptr};
const char *kScopesEn[] = {"Select Item", "Select Item + Children", "All Item", nullptr};
const char *kModesJa[] = {"ファイル指定", "ディレクトリ指定", nullptr};
const char *kModesEn[] = {"Select file", "Select directory", nullptr};
// The result list asks for its titles by column, so this list has no terminator.
const char *kColumnsJa[] = {"アイテム名", "レイヤー", "ファイル名", "結果"};
const char *kColumnsEn[] = {"Item", "Layer", "File", "Result"};

}  // namespace qb::replace::QB_TEXT_CODE
