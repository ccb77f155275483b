// Texts of the item visibility panel in both languages.  Written in UTF-8;
// the build compiles them as they are (namespace utf8) and as Shift-JIS
// (namespace shift_jis), the 2018 host's Japanese code page.
#include "tools/visibility/item_visible_text.h"

namespace qb::item_visible::QB_TEXT_CODE {

const char *const kItemVisibleLabelsJa[kItemVisibleLabelCount] = {
    "対象", "種類", "Visible", "Active",
    "メッシュ", "", "", "表示", "非表示",
    "Null", "", "", "表示", "非表示",
    "ボーン", "", "", "表示", "非表示",
    "カメラ", "", "", "表示", "非表示",
    "ライト", "", "", "表示", "非表示",
    "すべて表示", "すべて非表示", "", "閉じる", "実行",
};

const char *const kItemVisibleLabelsEn[kItemVisibleLabelCount] = {
    "Target", "Type", "Visible", "Active",
    "Mesh", "", "", "Show", "Hide",
    "Null", "", "", "Show", "Hide",
    "Bone", "", "", "Show", "Hide",
    "Camera", "", "", "Show", "Hide",
    "Light", "", "", "Show", "Hide",
    "Show All", "Hide All", "", "Close", "Run",
};

const char *kScopeChoicesJa[kScopeChoiceCount + 1] = {
    "選択アイテム", "選択アイテム以外", "選択アイテムと子孫", "選択アイテムと子孫以外", "全部のアイテム", nullptr,
};
const char *kScopeChoicesEn[kScopeChoiceCount + 1] = {
    "Selection Item", "Selection not other", "Selection Item + Children", "Selection + Children not other",
    "All Items", nullptr,
};

const char *kDisplayChoicesJa[kDisplayChoiceCount + 1] = {
    "そのまま", "◇Hidden", "□Bouding box", "□Vertices", "□Wireframe", "□Front Face Wireframe",
    "■Shaded Solid", "■Textured Solid", "■Textrured w/Wireframe", nullptr,
};
const char *kDisplayChoicesEn[kDisplayChoiceCount + 1] = {
    "As is", "Hidden", "Bouding box", "Vertices", "Wireframe", "Front Face Wireframe",
    "Shaded Solid", "Textured Solid", "Textrured w/Wireframe", nullptr,
};

const char *kVisibilityChoicesJa[kVisibilityChoiceCount + 1] = {"そのまま", "○Hidden", "●Visible", nullptr};
const char *kVisibilityChoicesEn[kVisibilityChoiceCount + 1] = {"As is", "Hidden", "Visible", nullptr};

const char *kActiveChoicesJa[kActiveChoiceCount + 1] = {"そのまま", "○Off", "●On", nullptr};
const char *kActiveChoicesEn[kActiveChoiceCount + 1] = {"As is", "Off", "On", nullptr};

}  // namespace qb::item_visible::QB_TEXT_CODE
