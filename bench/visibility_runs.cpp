#include "bench/tool_runs.h"
#include "tools/visibility/item_visible.h"

namespace qbbench {

bool open_item_visible(qbhost::Host &host, std::string &error) {
  if (host.activate("QB:ItemVisible", nullptr) == 0) return true;
  error = "QB:ItemVisible did not open its panel";
  return false;
}

bool set_item_visible_scope(qbhost::Host &host, int scope, std::string &error) {
  return host.user_set(qb::item_visible::kControlScope + 1, std::to_string(scope), error);
}

bool press_item_visible_run(qbhost::Host &host, std::string &error) {
  return host.user_press(qb::item_visible::kControlRun + 1, error);
}

int item_visible_all_items() { return static_cast<int>(qb::item_visible::Scope::kAllItems); }
int item_visible_not_selection_with_children() { return static_cast<int>(qb::item_visible::Scope::kNotSelectionWithChildren); }

}  // namespace qbbench
