// The texts of "QB:NameReplace" in both languages, and the choice between
// them, made again at every activation so that the panel, rebuilt each time,
// follows the host's current locale.  Written in UTF-8; the build stores the
// texts as Shift-JIS, the host's Japanese code page.
#include "tools/rename/name_replace_text.h"

#include "tools/tools.h"

namespace qb::rename {

const char *const kNameReplaceTextEn[kNameReplaceTextCount] = {
    "Target", "Type", "Null", "Bone", "Camera", "Light", "Mode", "", "", "", "", "", "", "",
};

const char *const kNameReplaceTextJa[kNameReplaceTextCount] = {
    "対象", "種類", "Null", "ボーン", "カメラ", "ライト", "方法", "", "", "", "", "", "", "",
};

const char *const kNameReplaceMessagesEn[kNameReplaceMessageCount] = {
    "The text is too long; nothing was renamed.",
    "The regular expression is too complex for some names; they keep their names.",
};

const char *const kNameReplaceMessagesJa[kNameReplaceMessageCount] = {
    "文字列が長すぎるため、名前を変更しませんでした。",
    "正規表現が複雑すぎるため、名前を変更しなかったアイテムがあります。",
};

const char *kNameReplaceTargetEn[kTargetItemCount + 1] = {
    "Select Item", "Select Item + Children", "All Item", nullptr,
};

const char *kNameReplaceTargetJa[kTargetItemCount + 1] = {
    "選択アイテム", "選択アイテムと子孫", "全部のアイテム", nullptr,
};

const char *kNameReplaceModeEn[kModeItemCount + 1] = {
    "Change", "Prefix", "Suffix", "Replace", "Regular Expression", nullptr,
};

const char *kNameReplaceModeJa[kModeItemCount + 1] = {
    "変更", "接頭辞", "接尾辞", "置き換え", "置き換え(正規表現)", nullptr,
};

const char *const *g_name_replace_text = kNameReplaceTextEn;
const char *const *g_name_replace_messages = kNameReplaceMessagesEn;

ChoiceLists &name_replace_choices() {
  static ChoiceLists lists;
  return lists;
}

void select_name_replace_language(unsigned long locale) {
  ChoiceLists &choices = name_replace_choices();
  choices.clear();
  const bool japanese = locale_is_japanese(locale);
  g_name_replace_text = japanese ? kNameReplaceTextJa : kNameReplaceTextEn;
  g_name_replace_messages = japanese ? kNameReplaceMessagesJa : kNameReplaceMessagesEn;
  choices.add(japanese ? kNameReplaceTargetJa : kNameReplaceTargetEn, kTargetItemCount);
  choices.add(japanese ? kNameReplaceModeJa : kNameReplaceModeEn, kModeItemCount);
}

}  // namespace qb::rename
