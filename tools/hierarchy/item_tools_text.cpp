// Texts of the item tools in both languages, and the choice between them,
// made again at every activation so that the texts follow the host's locale
// (and its code page).  Written in UTF-8; the build compiles the tables as
// they are (namespace utf8) and as Shift-JIS, the 2018 host's Japanese code
// page (namespace shift_jis); the choice is compiled once, with the UTF-8 copy.
#include "tools/hierarchy/item_tools_text.h"

#ifdef QB_TEXT_LANGUAGE_CHOICE
#include "toolkit/panel.h"
#include "toolkit/text/code_page.h"
#include "tools/tools.h"
#endif

namespace qb::hierarchy::QB_TEXT_CODE {

const char *const kItemToolsTextJa[kItemToolsTextCount] = {
    "",
    "選択を指定したアイテムの子にする",
    "親アイテム",
    "\x03(i:MIMG_LEFTARROW)",
    "その場で",
    "実行",
    "",
    "選択したアイテムの親を外す",
    "実行",
    "",
    "名前でアイテムを選択",
    "アイテム名",
    "\x03(i:MIMG_LEFTARROW)",
    "(ワイルドカードが使えます)",
    "実行",
    "",
    "選択アイテムとその子孫を選択",
    "実行",
    "",
    "閉じる",
    "",
};

const char *const kItemToolsTextEn[kItemToolsTextCount] = {
    "",
    "Set selected items to child of input item",
    "Parent Item",
    "\x03(i:MIMG_LEFTARROW)",
    "Parent in place",
    "Run",
    "",
    "Unparent of selected item",
    "Run",
    "",
    "Select item in name",
    "Item Name",
    "\x03(i:MIMG_LEFTARROW)",
    "(Wildcard can use)",
    "Run",
    "",
    "Select selected item and their children",
    "Run",
    "",
    "Close",
    "",
};

const char *const kItemToolsMessagesJa[kItemToolsMessageCount] = {
    "Error", "親アイテムが見つかりません！", "", "Error", "選択に親アイテムが含まれます！", "",
};

const char *const kItemToolsMessagesEn[kItemToolsMessageCount] = {
    "Error", "Parent item not found!", "", "Error", "Include the parent item in selection!", "",
};

}  // namespace qb::hierarchy::QB_TEXT_CODE

#ifdef QB_TEXT_LANGUAGE_CHOICE

namespace qb::hierarchy {

const char *const *g_item_tools_text = kItemToolsTextEn;
const char *const *g_item_tools_messages = kItemToolsMessagesEn;

void select_item_tools_language(unsigned long locale) {
  const bool japanese = locale_is_japanese(locale);
  g_item_tools_text = japanese ? in_host_code(kItemToolsTextJa, utf8::kItemToolsTextJa) : kItemToolsTextEn;
  g_item_tools_messages =
      japanese ? in_host_code(kItemToolsMessagesJa, utf8::kItemToolsMessagesJa) : kItemToolsMessagesEn;
}

}  // namespace qb::hierarchy

#endif  // QB_TEXT_LANGUAGE_CHOICE
