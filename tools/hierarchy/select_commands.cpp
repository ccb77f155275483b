// "QB:SelectItem" and "QB:SelectBranch": selection by wildcard words given on
// the command line, without a panel.
#include "toolkit/command.h"
#include "toolkit/items/items.h"
#include "tools/hierarchy/item_tools_text.h"
#include "tools/hierarchy/select_branches.h"
#include "tools/tools.h"

namespace qb::hierarchy {
namespace {

ItemList items_named_by(const Words &words) {
  return words.empty() ? ItemList{} : items_matching_wildcards(words);
}

}  // namespace

void run_select_item(const Words &words) {
  const ItemList targets = items_named_by(words);
  if (targets.empty()) {
    status_text(kNoItemsFound);
    return;
  }
  select_same_type(targets);
}

void run_select_branch(const Words &words) {
  const ItemList roots = words.empty() ? selected_items() : items_matching_wildcards(words);
  if (roots.empty()) {
    status_text(kNoItemsFound);
    return;
  }
  select_branches(roots);
}

}  // namespace qb::hierarchy
