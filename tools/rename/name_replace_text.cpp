// The texts of "QB:NameReplace" in both languages, and the choice between
// them, made again at every activation so that the panel, rebuilt each time,
// follows the host's current locale (and its code page).  Written in UTF-8;
// the build compiles the tables as they are (namespace utf8) and in Shift-JIS
// (namespace shift_jis); the choice is compiled once, with the UTF-8 copy.
#include "tools/rename/name_replace_text.h"

#ifdef QB_TEXT_LANGUAGE_CHOICE
#include "toolkit/text/code_page.h"
#include "tools/tools.h"
#endif

namespace qb::rename::QB_TEXT_CODE {

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
    "Select Item",
    "Select Item + Children",
    "All Item",
    nullptr,
};

const char *kNameReplaceTargetJa[kTargetItemCount + 1] = {
    "選択アイテム",
    "選択アイテムと子孫",
    "全部のアイテム",
    nullptr,
};

const char *kNameReplaceModeEn[kModeItemCount + 1] = {
    "Change", "Prefix", "Suffix", "Replace", "Regular Expression", nullptr,
};

const char *kNameReplaceModeJa[kModeItemCount + 1] = {
    "変更", "接頭辞", "接尾辞", "置き換え", "置き換え(正規表現)", nullptr,
};

}  // namespace qb::rename::QB_TEXT_CODE

#ifdef QB_TEXT_LANGUAGE_CHOICE

namespace qb::rename {

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
  g_name_replace_text =
      japanese ? in_host_code(kNameReplaceTextJa, utf8::kNameReplaceTextJa) : kNameReplaceTextEn;
  g_name_replace_messages =
      japanese ? in_host_code(kNameReplaceMessagesJa, utf8::kNameReplaceMessagesJa) : kNameReplaceMessagesEn;
  choices.add(
      japanese ? in_host_code(kNameReplaceTargetJa, utf8::kNameReplaceTargetJa) : kNameReplaceTargetEn,
      kTargetItemCount);
  choices.add(japanese ? in_host_code(kNameReplaceModeJa, utf8::kNameReplaceModeJa) : kNameReplaceModeEn,
              kModeItemCount);
}

}  // namespace qb::rename

#endif  // QB_TEXT_LANGUAGE_CHOICE
