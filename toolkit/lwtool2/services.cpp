// The second layer's service set: fetched afresh at every activation, and
// the activation fails when any service on the list is missing.
#include "toolkit/lwtool2/services.h"

#include <cstdint>
#include <string>
#include <string_view>

namespace lwtool2 {

GlobalFunc *g_global = nullptr;

namespace {

ServiceSet g_services;

void bind_used_service(ServiceSet &set, std::string_view name, void *service) {
  if (name == LWCOMMANDINTERFACE_GLOBAL) set.command = qb::command_port(service);
  else if (name == LWINTERFACEINFO_GLOBAL) set.interface_info = static_cast<LWInterfaceInfo *>(service);
  else if (name == LWITEMINFO_GLOBAL) set.item_info = static_cast<LWItemInfo *>(service);
  else if (name == LWOBJECTINFO_GLOBAL) set.object_info = static_cast<LWObjectInfo *>(service);
  else if (name == LWLOCALEINFO_GLOBAL)
    set.locale = static_cast<unsigned long>(reinterpret_cast<std::uintptr_t>(service));
  else if (name == LWPANELFUNCS_GLOBAL) {
    set.panel = static_cast<LWPanelFuncs *>(service);
    // Panels created through this record look services up with it.
    set.panel->globalFun = g_global;
  }
}

}  // namespace

ServiceSet &services() { return g_services; }

bool fetch_services(GlobalFunc *global) {
  g_global = global;
  if (global == nullptr) return false;
  for (std::string_view name : qb::kLwtool2ServiceNames) {
    void *service = global(qb::host_service(std::string(name).c_str()), GFUSE_TRANSIENT);
    // "Locale Info" answers a number; 0 counts as missing like a null record.
    if (service == nullptr) return false;
    bind_used_service(g_services, name, service);
  }
  return true;
}

void reset_services() {
  g_services = ServiceSet{};
  g_global = nullptr;
}

}  // namespace lwtool2
