#include "bench/tool_runs.h"
#include "toolkit/lwtool2/services.h"
#include "tools/rename/rename_engine.h"

namespace qbbench {

void run_rename_all_items(qbhost::Host &host, bool regular_expression) {
  // What the activation does before the panel: the service set.
  lwtool2::fetch_services(host.global_function());
  qb::rename::RenameSettings settings;
  settings.scope = qb::rename::Scope::kAllItems;
  settings.mode = regular_expression ? qb::rename::Mode::kRegex : qb::rename::Mode::kReplace;
  qb::rename::rename_items(settings);
}

}  // namespace qbbench
