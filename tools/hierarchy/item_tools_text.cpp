// Language selection of the item tools: the tables follow the host's locale
// at every activation.
#include "tools/hierarchy/item_tools_text.h"
#include "toolkit/panel.h"

namespace qb::hierarchy {

const char *const *g_item_tools_text = kItemToolsTextEn;
const char *const *g_item_tools_messages = kItemToolsMessagesEn;

void select_item_tools_language(unsigned long locale) {
  const bool japanese = locale_is_japanese(locale);
  g_item_tools_text = japanese ? kItemToolsTextJa : kItemToolsTextEn;
  g_item_tools_messages = japanese ? kItemToolsMessagesJa : kItemToolsMessagesEn;
}

}  // namespace qb::hierarchy
