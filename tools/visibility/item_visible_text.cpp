// Texts of the item visibility panel in both languages, and the choice
// between them at every activation.  Written in UTF-8; the build compiles the
// tables as they are (namespace utf8) and as Shift-JIS (namespace shift_jis),
// the 2018 host's Japanese code page; the choice, which picks the host's code
// page, is compiled once, with the UTF-8 copy.
#include "tools/visibility/item_visible_text.h"

#ifdef QB_TEXT_LANGUAGE_CHOICE
#include "toolkit/text/code_page.h"
#include "tools/tools.h"
#endif

namespace qb::item_visible::QB_TEXT_CODE {

// clang-format off
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
// clang-format on

const char *kScopeChoicesJa[kScopeChoiceCount + 1] = {
    "選択アイテム",           "選択アイテム以外", "選択アイテムと子孫",
    "選択アイテムと子孫以外", "全部のアイテム",   nullptr,
};
const char *kScopeChoicesEn[kScopeChoiceCount + 1] = {
    "Selection Item",
    "Selection not other",
    "Selection Item + Children",
    "Selection + Children not other",
    "All Items",
    nullptr,
};

const char *kDisplayChoicesJa[kDisplayChoiceCount + 1] = {
    "そのまま",      "◇Hidden",         "□Bouding box",
    "□Vertices",     "□Wireframe",      "□Front Face Wireframe",
    "■Shaded Solid", "■Textured Solid", "■Textrured w/Wireframe",
    nullptr,
};
const char *kDisplayChoicesEn[kDisplayChoiceCount + 1] = {
    "As is",        "Hidden",         "Bouding box",
    "Vertices",     "Wireframe",      "Front Face Wireframe",
    "Shaded Solid", "Textured Solid", "Textrured w/Wireframe",
    nullptr,
};

const char *kVisibilityChoicesJa[kVisibilityChoiceCount + 1] = {"そのまま", "○Hidden", "●Visible", nullptr};
const char *kVisibilityChoicesEn[kVisibilityChoiceCount + 1] = {"As is", "Hidden", "Visible", nullptr};

const char *kActiveChoicesJa[kActiveChoiceCount + 1] = {"そのまま", "○Off", "●On", nullptr};
const char *kActiveChoicesEn[kActiveChoiceCount + 1] = {"As is", "Off", "On", nullptr};

}  // namespace qb::item_visible::QB_TEXT_CODE

#ifdef QB_TEXT_LANGUAGE_CHOICE

namespace qb::item_visible {

const char *const *g_item_visible_labels = kItemVisibleLabelsEn;

ChoiceLists &item_visible_choices() {
  static ChoiceLists lists;
  return lists;
}

void select_item_visible_language(unsigned long locale) {
  ChoiceLists &lists = item_visible_choices();
  lists.clear();
  const bool japanese = locale_is_japanese(locale);
  if (!japanese) {
    g_item_visible_labels = kItemVisibleLabelsEn;
    lists.add(kScopeChoicesEn, kScopeChoiceCount);
    lists.add(kDisplayChoicesEn, kDisplayChoiceCount);
    lists.add(kVisibilityChoicesEn, kVisibilityChoiceCount);
    lists.add(kActiveChoicesEn, kActiveChoiceCount);
    return;
  }
  g_item_visible_labels = in_host_code(kItemVisibleLabelsJa, utf8::kItemVisibleLabelsJa);
  lists.add(in_host_code(kScopeChoicesJa, utf8::kScopeChoicesJa), kScopeChoiceCount);
  lists.add(in_host_code(kDisplayChoicesJa, utf8::kDisplayChoicesJa), kDisplayChoiceCount);
  lists.add(in_host_code(kVisibilityChoicesJa, utf8::kVisibilityChoicesJa), kVisibilityChoiceCount);
  lists.add(in_host_code(kActiveChoicesJa, utf8::kActiveChoicesJa), kActiveChoiceCount);
}

}  // namespace qb::item_visible

#endif  // QB_TEXT_LANGUAGE_CHOICE
