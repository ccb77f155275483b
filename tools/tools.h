// The tools behind the seven servers, as the activation frame calls them
// after its common steps (version checks, services, language, arguments):
// the one header through which plugin/ reaches the tools.  Each tool with
// texts chooses their language in its *_text.cpp.
#pragma once

#include <string>
#include <vector>

#include "abi/host_api.h"

namespace qb {

using Words = std::vector<std::string>;

}  // namespace qb

// Each tool lives in a namespace of its own, named for it; the item tools
// panel and the two selection commands share the branch selection and so
// one namespace.
namespace qb::hierarchy {
int run_item_tools();                                   // "QB:ItemTools"; 0
void run_select_branch(const Words &words);             // "QB:SelectBranch"
void run_select_item(const Words &words);               // "QB:SelectItem"
void select_item_tools_language(unsigned long locale);  // the texts of all three
}  // namespace qb::hierarchy

namespace qb::item_visible {
int run_item_visible();  // "QB:ItemVisible"; 0 or 2
void select_item_visible_language(unsigned long locale);
}  // namespace qb::item_visible

namespace qb::toggle_visible {
void run_toggle_visible(const Words &words);  // "QB:ToggleVisible"
}  // namespace qb::toggle_visible

namespace qb::replace {
int run_object_replacer();  // "QB:ObjectReplacer"; 0 or 2
void select_object_replacer_language(unsigned long locale);
}  // namespace qb::replace

namespace qb::rename {
int run_name_replace();  // "QB:NameReplace"; 0 or 2
void select_name_replace_language(unsigned long locale);
}  // namespace qb::rename
