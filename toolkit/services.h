// First library layer: the record of host services, filled once per module
// lifetime at the first activation of a server that uses it.
#pragma once

#include "abi/host_api.h"
#include "abi/service_names.h"

namespace qb {

struct ServiceTable {
  bool initialised = false;
  GlobalFunc *global = nullptr;
  // Every name of kServiceTableNames is looked up; these five are used.
  LWCommandFunc *command = nullptr;  // "LW Command Interface" is the function itself
  LWInterfaceInfo *interface_info = nullptr;  // replaced after every selection change
  LWItemInfo *item_info = nullptr;
  LWObjectInfo *object_info = nullptr;
  LWPanelFuncs *panel = nullptr;
};

ServiceTable &service_table();

// Fills the table when it is not yet initialised; checks nothing.
void load_service_table(GlobalFunc *global);

// Drops everything (module-wide state is otherwise destroyed only at unload;
// unit tests that run several hosts in one process call this between them).
void reset_service_table();

}  // namespace qb
