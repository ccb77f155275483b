// The texts of "QB:NameReplace".  This file is compiled as it is (UTF-8,
// namespace utf8) and in Shift-JIS (namespace shift_jis).
#include "tools/rename/name_replace_text.h"

namespace qb::rename::QB_TEXT_CODE {

const char *const kNameReplaceTextEn[kNameReplaceTextCount] = {
    "Target", "Type", "Null", "Bone", "Camera", "Light", "Mode", "", "", "", "", "", "", "",
};

const char *const kNameReplaceTextJa[kNameReplaceTextCount] = {
    "対象", "種類", "Null", "ボーン", "カメラ", "ライト", "方法", "", "", "", "", "", "", "",
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

}  // namespace qb::rename::QB_TEXT_CODE
