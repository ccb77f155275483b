// The first layer's record of host services: looked up once, at the first
// activation of a server that uses it, and kept until unload (or until an
// activation of the other host generation, whose names differ).
#include "toolkit/services.h"

#include <string>
#include <string_view>

namespace qb {
namespace {

ServiceTable g_table;

void *lookup(GlobalFunc *global, std::string_view name) {
  return global(host_service(std::string(name).c_str()), GFUSE_TRANSIENT);
}

// By the listed name, whatever the generation calls it.
void bind_used_service(ServiceTable &table, std::string_view name, void *service) {
  if (name == LWCOMMANDINTERFACE_GLOBAL) table.command = command_port(service);
  else if (name == LWINTERFACEINFO_GLOBAL) table.interface_info = static_cast<LWInterfaceInfo *>(service);
  else if (name == LWITEMINFO_GLOBAL) table.item_info = static_cast<LWItemInfo *>(service);
  else if (name == LWOBJECTINFO_GLOBAL) table.object_info = static_cast<LWObjectInfo *>(service);
  else if (name == LWPANELFUNCS_GLOBAL) table.panel = static_cast<LWPanelFuncs *>(service);
}

}  // namespace

ServiceTable &service_table() { return g_table; }

void load_service_table(GlobalFunc *global) {
  if (g_table.initialised && g_table.generation == host_generation()) return;
  g_table = ServiceTable{};
  g_table.global = global;
  g_table.initialised = true;
  g_table.generation = host_generation();
  if (global == nullptr) return;
  for (std::string_view name : kServiceTableNames) bind_used_service(g_table, name, lookup(global, name));
}

void reset_service_table() { g_table = ServiceTable{}; }

}  // namespace qb
