// The tools behind the seven servers, as the activation frame calls them
// after its common steps (version checks, services, language, arguments).
#pragma once

#include <string>
#include <vector>

#include "abi/host_api.h"

namespace qb {

using Words = std::vector<std::string>;

int run_item_tools();                       // "QB:ItemTools"; 0
void run_select_branch(const Words &words); // "QB:SelectBranch"
void run_select_item(const Words &words);   // "QB:SelectItem"
int run_item_visible();                     // "QB:ItemVisible"; 0 or 2
int run_object_replacer();                  // "QB:ObjectReplacer"; 0 or 2
int run_name_replace();                     // "QB:NameReplace"; 0 or 2
void run_toggle_visible(const Words &words);// "QB:ToggleVisible"

// Per-tool language selection (the item tools' is in tools/hierarchy/item_tools_text.h).
void select_item_visible_language(unsigned long locale);
void select_object_replacer_language(unsigned long locale);
void select_name_replace_language(unsigned long locale);

}  // namespace qb
