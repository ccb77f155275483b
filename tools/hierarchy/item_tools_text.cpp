// Language selection of the item tools: the tables follow the host's locale
// (and its code page: Japanese texts in UTF-8 for the 2020 generation) at
// every activation.
#include "tools/hierarchy/item_tools_text.h"

#include "toolkit/panel.h"
#include "toolkit/text/code_page.h"

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
