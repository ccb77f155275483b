// Loading the module: the system's library loader, the descriptor check,
// start-up and shut-down, and activations.
#include <cstdlib>
#include <filesystem>
#include <random>

#include "host/core/host_state.h"
#include "host/core/module.h"
#include "host/core/platform.h"
#include "host/core/text.h"
#include "host/core/unexpected_call.h"

namespace qbhost {
namespace {

const char *command_arguments(void *data) {
  auto *host = static_cast<HostState *>(data);
  return host != nullptr && host->has_argument ? host->argument.c_str() : nullptr;
}

// The local record of a LayoutGeneric activation: the argument text is all
// the module may ask of it; scene files and the command language are the
// host's own business.
LWLayoutGeneric layout_generic(HostState &host) {
  LWLayoutGeneric generic{};
  generic.saveScene = QBHOST_TRAP(LWLayoutGeneric, saveScene);
  generic.loadScene = QBHOST_TRAP(LWLayoutGeneric, loadScene);
  generic.data = &host;
  generic.lookup = QBHOST_TRAP(LWLayoutGeneric, lookup);
  generic.execute = QBHOST_TRAP(LWLayoutGeneric, execute);
  generic.evaluate = QBHOST_TRAP(LWLayoutGeneric, evaluate);
  generic.commandArguments = command_arguments;
  generic.parsedArguments = QBHOST_TRAP(LWLayoutGeneric, parsedArguments);
  return generic;
}

// A library the system keeps loaded after its last close (glibc does so for
// one with unique symbols) would come back with its old module-wide state; a
// copy under another name is a new library.  The copy lives in a folder of
// its own in the system's temporary folder.
bool fresh_copy(ModuleState &module, std::string &copy, std::string &error) {
  namespace fs = std::filesystem;
  std::error_code failed;
  const fs::path temporary = fs::temp_directory_path(failed);
  std::random_device seed;
  for (int attempt = 0; !failed && attempt < 100 && module.copy_dir.empty(); ++attempt) {
    const fs::path folder = temporary / ("qbhost." + std::to_string(seed()));
    if (fs::create_directory(folder, failed)) module.copy_dir = folder.string();
  }
  if (module.copy_dir.empty()) {
    error = "cannot make a folder for a fresh copy of the module";
    return false;
  }
  copy = (fs::path(module.copy_dir) / ("module." + std::to_string(++module.copies) + ".p")).string();
  fs::copy_file(module.path, copy, failed);
  if (failed) {
    error = "cannot copy the module: " + failed.message();
    return false;
  }
  return true;
}

void remove_copy(ModuleState &module, const std::string &copy) {
  std::error_code ignored;
  std::filesystem::remove(copy, ignored);
  std::filesystem::remove(module.copy_dir, ignored);
  module.copy_dir.clear();
}

}  // namespace

bool check_descriptor(const ModuleDescriptor *descriptor, std::string &error) {
  if (descriptor == nullptr) {
    error = "the module has no _mod_descrip";
    return false;
  }
  if (descriptor->sysSync != MOD_SYSSYNC) {
    error = "descriptor sync code " + hex(descriptor->sysSync) + " is not " + hex(MOD_SYSSYNC);
    return false;
  }
  if (descriptor->sysVersion != MOD_SYSVER) {
    error = "descriptor version " + std::to_string(descriptor->sysVersion) + " is not " +
            std::to_string(MOD_SYSVER);
    return false;
  }
  if (descriptor->sysMachine != MOD_MACHINE) {
    error = "descriptor machine code " + hex(descriptor->sysMachine) + " is not " + hex(MOD_MACHINE);
    return false;
  }
  if (descriptor->serverDefs == nullptr) {
    error = "the descriptor has no server table";
    return false;
  }
  return true;
}

bool start_module(HostState &host, ModuleDescriptor *descriptor, std::string &error) {
  if (!check_descriptor(descriptor, error)) return false;
  host.module.descriptor = descriptor;
  host.module.server_data = nullptr;
  if (descriptor->startup != nullptr) {
    host.module.server_data = descriptor->startup();
    if (host.module.server_data == nullptr) {
      error = "the module's start-up failed (it returned null)";
      return false;
    }
  }
  host.module.loaded = true;
  return true;
}

bool load_module_file(HostState &host, const std::string &path, std::string &error) {
  unload_module(host);
  ModuleState &module = host.module;
  module.path = path;
  std::string file = module.path;
  if (module.fresh_copy_next && !fresh_copy(module, file, error)) return false;
  std::string why;
  void *library = open_library(file, why);
  if (file != module.path) remove_copy(module, file);
  if (library == nullptr) {
    error = "cannot load " + path + ": " + why;
    return false;
  }
  auto *descriptor = static_cast<ModuleDescriptor *>(library_symbol(library, "_mod_descrip"));
  if (!start_module(host, descriptor, error)) {
    error = path + ": " + error;
    close_library(library);
    return false;
  }
  module.library = library;
  return true;
}

bool attach_descriptor(HostState &host, ModuleDescriptor *descriptor, std::string &error) {
  unload_module(host);
  host.module.path.clear();
  return start_module(host, descriptor, error);
}

void unload_module(HostState &host) {
  ModuleState &module = host.module;
  if (!module.loaded) return;
  if (module.descriptor->shutdown != nullptr) module.descriptor->shutdown(module.server_data);
  module.loaded = false;
  if (module.library != nullptr) {
    close_library(module.library);
    module.library = nullptr;
    if (library_still_loaded(module.path)) module.fresh_copy_next = true;
  }
  drop_panels(host);
  drop_snapshots(host);
}

bool reload_module(HostState &host, std::string &error) {
  if (host.module.loaded) return true;
  if (!host.module.path.empty()) return load_module_file(host, host.module.path, error);
  if (host.module.descriptor != nullptr) return attach_descriptor(host, host.module.descriptor, error);
  error = "no module";
  return false;
}

const ServerRecord *find_server(const HostState &host, const std::string &name) {
  if (!host.module.loaded) return nullptr;
  for (const ServerRecord *server = host.module.descriptor->serverDefs; server->className != nullptr;
       ++server)
    if (server->name != nullptr && server->activate != nullptr && name == server->name &&
        std::string(server->className) == LWLAYOUTGENERIC_CLASS)
      return server;
  return nullptr;
}

int run_activation(HostState &host, const ServerRecord &server, const char *argument) {
  LWLayoutGeneric generic = layout_generic(host);
  const bool had_argument = host.has_argument;
  std::string outer_argument = std::move(host.argument);
  host.has_argument = argument != nullptr;
  host.argument = argument == nullptr ? "" : argument;
  ++host.module_depth;
  const int result =
      server.activate(host.settings.interface_version, host_global, &generic, host.module.server_data);
  --host.module_depth;
  host.has_argument = had_argument;
  host.argument = std::move(outer_argument);
  trace_line(host, "result " + std::to_string(result));
  return result;
}

}  // namespace qbhost
