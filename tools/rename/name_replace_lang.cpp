// The texts of "QB:NameReplace".  This file is compiled to Shift-JIS.
#include "tools/rename/name_replace_text.h"

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

}  // namespace qb::rename
