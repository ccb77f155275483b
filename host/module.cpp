// Loading the module: dlopen, the descriptor check, start-up and shut-down,
// and activations.
#include <dlfcn.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>

#include "host/host_state.h"
#include "host/module.h"
#include "host/unexpected_call.h"

namespace qbhost {
namespace {

std::string hex(uint32_t value) {
  char text[16];
  std::snprintf(text, sizeof text, "0x%x", value);
  return text;
}

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

// glibc keeps a library that has unique symbols mapped after dlclose; a copy
// under another name is a new library with fresh module-wide state.
bool fresh_copy(ModuleState &module, std::string &copy, std::string &error) {
  namespace fs = std::filesystem;
  char dir_template[] = "/tmp/qbhost.XXXXXX";
  if (mkdtemp(dir_template) == nullptr) {
    error = "cannot make a folder for a fresh copy of the module";
    return false;
  }
  module.copy_dir = dir_template;
  copy = module.copy_dir + "/module." + std::to_string(++module.copies) + ".p";
  std::error_code failed;
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
    error = "descriptor version " + std::to_string(descriptor->sysVersion) + " is not " + std::to_string(MOD_SYSVER);
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
  module.path = path.find('/') == std::string::npos ? "./" + path : path;
  std::string file = module.path;
  if (module.fresh_copy_next && !fresh_copy(module, file, error)) return false;
  void *library = dlopen(file.c_str(), RTLD_NOW | RTLD_LOCAL);
  if (file != module.path) remove_copy(module, file);
  if (library == nullptr) {
    const char *why = dlerror();
    error = "cannot load " + path + ": " + (why == nullptr ? "unknown error" : why);
    return false;
  }
  auto *descriptor = static_cast<ModuleDescriptor *>(dlsym(library, "_mod_descrip"));
  if (!start_module(host, descriptor, error)) {
    error = path + ": " + error;
    dlclose(library);
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
    dlclose(module.library);
    module.library = nullptr;
    if (void *still = dlopen(module.path.c_str(), RTLD_NOW | RTLD_NOLOAD)) {
      dlclose(still);
      module.fresh_copy_next = true;
    }
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
  for (const ServerRecord *server = host.module.descriptor->serverDefs; server->className != nullptr; ++server)
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
  const int result = server.activate(host.settings.interface_version, host_global, &generic, host.module.server_data);
  --host.module_depth;
  host.has_argument = had_argument;
  host.argument = std::move(outer_argument);
  trace_line(host, "result " + std::to_string(result));
  return result;
}

}  // namespace qbhost
