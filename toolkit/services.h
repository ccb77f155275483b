// First library layer: the record of host services, filled once per module
// lifetime at the first activation of a server that uses it (a host serves
// one generation; should the generation of the activations change, the
// record is filled again under the new one's names).
#pragma once

#include "abi/host_api.h"
#include "abi/service_names.h"
#include "toolkit/base/host_interface.h"

namespace qb {

struct ServiceTable {
  bool initialised = false;
  Generation generation = Generation::Layout2018;  // whose names filled it
  GlobalFunc *global = nullptr;
  // Every name of kServiceTableNames is looked up; these five are used.
  CommandPort command;  // "LW Command Interface" (the function itself) or "... 2" (a record)
  LWInterfaceInfo *interface_info = nullptr;  // replaced after every selection change
  LWItemInfo *item_info = nullptr;
  LWObjectInfo *object_info = nullptr;
  LWPanelFuncs *panel = nullptr;
};

ServiceTable &service_table();

// Fills the table when it is not yet initialised (or was filled in another
// generation); checks nothing.
void load_service_table(GlobalFunc *global);

// "Interface Info" answers a snapshot (the selection, the modes) that a
// selection change or a mode switch leaves behind: looks it up again, as the
// table's interface_info, unless the table holds no lookup function.
void refresh_interface_info();

// Drops everything (module-wide state is otherwise destroyed only at unload;
// unit tests that run several hosts in one process call this between them).
void reset_service_table();

}  // namespace qb
