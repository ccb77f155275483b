// Second library layer (lwtool2): the service set, fetched and verified at
// every activation of a server that uses it.
#pragma once

#include "abi/host_api.h"
#include "abi/service_names.h"
#include "toolkit/base/host_interface.h"

namespace lwtool2 {

// The host's global-lookup function as the library keeps it.
extern GlobalFunc *g_global;

struct ServiceSet {
  qb::CommandPort command;  // "LW Command Interface" (the function itself) or "... 2" (a record)
  LWInterfaceInfo *interface_info = nullptr;  // replaced by refresh_interface_info
  LWItemInfo *item_info = nullptr;
  LWObjectInfo *object_info = nullptr;
  LWPanelFuncs *panel = nullptr;
  unsigned long locale = 0;
};

ServiceSet &services();

// Looks up kLwtool2ServiceNames (under the running generation's names) in order and stops at the first null
// answer (the services after it keep the values of the previous fetch).  Stores g_global into the panel
// record's globalFun.  True when every one was found.
bool fetch_services(GlobalFunc *global);

void reset_services();  // for unit tests

}  // namespace lwtool2
