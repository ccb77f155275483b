#include "bench/tool_runs.h"
#include "toolkit/lwtool2/services.h"
#include "tools/replace/replace_run.h"
#include "tools/tools.h"

namespace qbbench {

void run_replace_all_meshes(qbhost::Host &host, const std::string &directory) {
  // What the activation does before the panel: services and texts.
  lwtool2::fetch_services(host.global_function());
  qb::replace::select_object_replacer_language(host.settings().locale);
  qb::replace::replace_layers(qb::replace::Scope::kAllMeshes, qb::replace::Mode::kDirectory, std::string(), directory);
}

}  // namespace qbbench
