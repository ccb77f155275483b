// The module's life in the host: load (dlopen) or attach, start-up,
// activations, shut-down and unload.
#pragma once

#include <string>

#include "abi/host_api.h"

namespace qbhost {

struct HostState;

// Valid sync code, version, machine code and a server table.
bool check_descriptor(const ModuleDescriptor *descriptor, std::string &error);

bool load_module_file(HostState &host, const std::string &path, std::string &error);
bool attach_descriptor(HostState &host, ModuleDescriptor *descriptor, std::string &error);
void unload_module(HostState &host);
// Loads the last module again after an unload (a no-op while it is loaded).
bool reload_module(HostState &host, std::string &error);

const ServerRecord *find_server(const HostState &host, const std::string &name);
// Calls the activation with the host's interface version and prints "result N".
int run_activation(HostState &host, const ServerRecord &server, const char *argument);

}  // namespace qbhost
